// The listening ports in `qel --sample`, read through a stand-in for lsof.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <sstream>

#include "Qel/App/SampleDevices.hpp"
#include "Qel/Samplers/PortSampler.hpp"
#include "tests/support/TempDir.hpp"

using namespace qel;

namespace {

// A shell script in `dir` that prints `output` for the TCP run and nothing for the UDP one.
std::string fakeLsof(const test::TempDir& dir, const std::string& output) {
  static int count = 0;
  const auto out = dir.write("out-" + std::to_string(++count), output);
  const auto path =
      dir.write("lsof-" + std::to_string(count), "#!/bin/sh\n[ \"$2\" = -iTCP ] && cat '" + out.string() + "'\nexit 1\n");
  ::chmod(path.c_str(), 0755);
  return path.string();
}

std::string section(const PortSampler& sampler, bool everyUser) {
  std::ostringstream out;
  printPortsSection(out, sampler, everyUser);
  return out.str();
}
std::string section(const std::string& lsof, bool everyUser) { return section(PortSampler(lsof), everyUser); }

const std::string kMine = "  No process under your account is listening on a port right now.\n";
const std::string kOthers =
    "  Only ports of processes under your account. Ports used by system services need administrator rights to "
    "see.\n";

}  // namespace

TEST(SamplePorts, saysWhoseSocketsItCouldSeeAndNeverNoneWhenItSawOnlyTheUsersOwn) {
  test::TempDir dir;
  const std::string nothing = fakeLsof(dir, ""), one = fakeLsof(dir, "p412\ncnode\nPTCP\nn*:3000\n");
  // Run by a user: lsof saw that user's processes only, and the report says so.
  EXPECT_EQ(section(nothing, false), "Listening ports:\n" + kMine + kOthers);
  EXPECT_EQ(section(one, false),
            "Listening ports:\n  TCP 3000  open  node (pid 412)  Common dev server port\n" + kOthers);
  // Run by root: every process was looked at.
  EXPECT_EQ(section(nothing, true), "Listening ports:\n  none\n");
  EXPECT_EQ(section(one, true), "Listening ports:\n  TCP 3000  open  node (pid 412)  Common dev server port\n");
  // Root, with a listener whose owner lives where this machine's processes can't be seen (a
  // container): lsof names none, the kernel still lists it, and it counts.
  dir.write("proc/net/tcp",
            "  sl  local_address rem_address   st tx_queue rx_queue tr tm->when retrnsmt   uid  timeout inode\n"
            "   0: 00000000:07E8 00000000:0000 0A 00000000:00000000 00:00000000 00000000     0        0 1122 1 "
            "00000000e954b888 100 0 0 10 0\n");
  EXPECT_EQ(section(PortSampler(nothing, PortSampler::kTimeout, SysRoot{dir.path()}), true),
            "Listening ports:\n  TCP 2024  open  Unknown\n");
  // No lsof at all: nothing was read, and nothing is called none.
  for (const bool everyUser : {false, true})
    EXPECT_EQ(section("", everyUser),
              "Listening ports:\n  Listening ports can't be read because the system lsof command can't be run.\n");
}
