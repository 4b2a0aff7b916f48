// Whom a listed port's End may reach: never a process that took over the listed one's pid.
#include <gtest/gtest.h>

#include "Qel/Samplers/PortOwners.hpp"
#include "tests/support/TempDir.hpp"

using namespace qel;

namespace {

std::string statLine(const std::string& comm, std::uint64_t start) {
  return "412 (" + comm + ") S 1 412 412 0 -1 4194560 100 0 0 0 7 3 0 0 20 0 1 0 " + std::to_string(start) +
         " 1000 50 18446744073709551615 0 0 0 0 0 0 0 0 0 0 0 0 17 2 0 0 0 0 0\n";
}

PortEntry listed(std::int32_t pid, std::string command) {
  return {.port = 8080, .proto = "TCP", .pid = pid, .command = std::move(command), .open = true};
}

ProcInfo sampled(std::int32_t pid, std::uint64_t start, bool system = false) {
  ProcInfo p;
  p.pid = pid;
  p.name = "Node Server";
  p.startTime = start;
  p.isSystem = system;
  return p;
}

}  // namespace

TEST(PortOwners, readsTheProcessRunningUnderAPid) {
  test::TempDir dir;
  dir.write("proc/412/stat", statLine("node (dev)", 5000));
  dir.write("proc/415/stat", "garbage");
  const SysRoot root{dir.path()};
  EXPECT_EQ(readRunningProcess(412, root), (RunningProcess{"node (dev)", 5000}));
  EXPECT_EQ(readRunningProcess(415, root), std::nullopt);
  EXPECT_EQ(readRunningProcess(416, root), std::nullopt);
  EXPECT_EQ(readRunningProcess(0, root), std::nullopt);
  EXPECT_EQ(readRunningProcess(-4, root), std::nullopt);
  EXPECT_GT(bootTicksNow(), 0u);

  EXPECT_TRUE(commandMatches("node", "node"));
  EXPECT_TRUE(commandMatches("averyver", "averyverylongco"));  // a listing that cut the name short
  EXPECT_FALSE(commandMatches("", "node"));
  EXPECT_FALSE(commandMatches("nodejs", "node"));
}

TEST(PortOwners, endsOnlyTheProcessThatWasListed) {
  const RunningProcess node{"node", 5000};
  const struct {
    const char* what;
    PortEntry entry;
    std::optional<ProcInfo> sampled;
    std::optional<RunningProcess> now;
    std::optional<std::int32_t> expected;
  } cases[] = {
      {"the listed process, still running", listed(412, "node"), sampled(412, 5000), node, 412},
      {"the pid went to another program", listed(412, "node"), sampled(412, 7000), RunningProcess{"bash", 7000}, {}},
      {"the pid went to the same program, started after the listing", listed(412, "node"), sampled(412, 7000),
       RunningProcess{"node", 7000}, {}},
      {"the sample is older than the process there now", listed(412, "node"), sampled(412, 5000),
       RunningProcess{"node", 5600}, {}},
      {"nothing runs under the pid now", listed(412, "node"), sampled(412, 5000), std::nullopt, {}},
      {"not in the sample", listed(412, "node"), std::nullopt, node, {}},
      {"a sampled process of another pid", listed(412, "node"), sampled(413, 5000), node, {}},
      {"unknown start time", listed(412, "node"), sampled(412, 0), RunningProcess{"node", 0}, {}},
      {"a system process", listed(412, "node"), sampled(412, 5000, true), node, {}},
      {"pid 0", listed(0, "node"), sampled(0, 5000), node, {}},
      {"pid 1", listed(1, "node"), sampled(1, 5000), node, {}},
  };
  for (const auto& c : cases) EXPECT_EQ(portEndTarget(c.entry, c.sampled, c.now, 6000), c.expected) << c.what;
}
