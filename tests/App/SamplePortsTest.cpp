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

std::string section(const std::string& lsof, bool everyUser) {
  std::ostringstream out;
  printPortsSection(out, PortSampler(lsof), everyUser);
  return out.str();
}

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
  // No lsof at all: nothing was read, and nothing is called none.
  for (const bool everyUser : {false, true})
    EXPECT_EQ(section("", everyUser),
              "Listening ports:\n  Listening ports can't be read because the system lsof command can't be run.\n");
}
