#include <gtest/gtest.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include "Qel/Platform/ProcPidStat.hpp"
#include "Qel/Platform/ProcessSignal.hpp"

using namespace qel;

namespace {

std::uint64_t startTimeOf(pid_t pid) {
  const auto text = readText(SysRoot{}.proc(std::to_string(pid) + "/stat"));
  return text ? parsePidStat(*text).value_or(PidStat{}).startTime : 0;
}

}  // namespace

TEST(ProcessSignal, reachesOnlyTheProcessThatWasSampled) {
  pid_t child = 0;
  char sleepArg[] = "sleep", seconds[] = "30";
  char* argv[] = {sleepArg, seconds, nullptr};
  ASSERT_EQ(posix_spawn(&child, "/bin/sleep", nullptr, nullptr, argv, environ), 0);
  const std::uint64_t started = startTimeOf(child);
  ASSERT_GT(started, 0u);

  // Another start time is another process under a reused pid.
  EXPECT_FALSE(signalProcess(child, started + 1, SIGTERM));
  int status = 0;
  EXPECT_EQ(waitpid(child, &status, WNOHANG), 0);  // still running

  EXPECT_TRUE(signalProcess(child, started, SIGTERM));
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM);
  EXPECT_FALSE(signalProcess(child, started, SIGTERM));  // gone

  EXPECT_FALSE(signalProcess(1, startTimeOf(1), 0));
  EXPECT_FALSE(signalProcess(0, 0, 0));
  EXPECT_FALSE(signalProcess(getpid(), startTimeOf(getpid()), 0));
}
