#include <gtest/gtest.h>

#include <signal.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "Qel/Platform/Runtime/CommandRunner.hpp"
#include "tests/support/TempDir.hpp"

using namespace qel;
using namespace std::chrono_literals;
using Status = CommandResult::Status;

TEST(CommandRunner, runsWithoutAShellAndReportsExitCodes) {
  auto r = runCommand("/bin/echo", {"a b", "$HOME", ";", "*"});
  EXPECT_TRUE(r.succeeded());
  EXPECT_EQ(r.output, "a b $HOME ; *\n");

  r = runCommand("/bin/sh", {"-c", "echo out; echo err >&2; exit 3"});
  EXPECT_EQ(r.status, Status::exited);
  EXPECT_EQ(r.exitCode, 3);
  EXPECT_FALSE(r.succeeded());
  EXPECT_EQ(r.output, "out\n");  // stderr is not mixed in unless asked

  r = runCommand("/bin/sh", {"-c", "echo $LC_ALL; read x || echo eof"});
  EXPECT_EQ(r.output, "C.UTF-8\neof\n");  // pinned locale, stdin at end of file
}

TEST(CommandRunner, missingOrRelativeBinaryIsAFailure) {
  EXPECT_EQ(runCommand("/nonexistent/lsof", {}).status, Status::notRunnable);
  EXPECT_EQ(runCommand("echo", {"x"}).status, Status::notRunnable);
  EXPECT_EQ(runCommand("", {}).status, Status::notRunnable);
  test::TempDir dir;
  EXPECT_EQ(runCommand(dir.write("plain", "not a program").string(), {}).status, Status::notRunnable);
}

TEST(CommandRunner, hungCommandIsKilledAtItsTimeout) {
  const auto start = std::chrono::steady_clock::now();
  auto r = runCommand("/bin/sh", {"-c", "echo started; exec sleep 30"}, {.timeout = 300ms});
  EXPECT_EQ(r.status, Status::timedOut);
  EXPECT_EQ(r.output, "started\n");
  EXPECT_LT(std::chrono::steady_clock::now() - start, 10s);

  // A child that closes its output but keeps running is still bounded.
  r = runCommand("/bin/sh", {"-c", "exec >/dev/null; sleep 30"}, {.timeout = 300ms});
  EXPECT_EQ(r.status, Status::timedOut);
}

TEST(CommandRunner, outputOverTheCapStopsTheCommand) {
  auto r = runCommand("/bin/sh", {"-c", "yes 0123456789"}, {.timeout = 5s, .maxOutput = 100000});
  EXPECT_EQ(r.status, Status::tooMuchOutput);
  EXPECT_EQ(r.output.size(), 100000u);
}

TEST(CommandRunner, findsTheFirstExecutable) {
  EXPECT_EQ(findExecutable({"/nonexistent/x", "/bin/sh"}), "/bin/sh");
  EXPECT_EQ(findExecutable({"sh", "/nonexistent"}), "");
}

namespace {
// Whether the process of the pid the command printed ends (or is left only as a zombie for its
// reaper) within a few seconds; one still running is killed here.
bool endsSoon(const std::string& printedPid) {
  const pid_t pid = std::atoi(printedPid.c_str());
  if (pid <= 1) return false;
  for (int i = 0; i < 500; ++i) {
    const auto stat = test::readFile("/proc/" + std::to_string(pid) + "/stat");
    const auto close = stat.rfind(')');
    if (close == std::string::npos || close + 2 >= stat.size() || stat[close + 2] == 'Z') return true;
    std::this_thread::sleep_for(10ms);
  }
  kill(pid, SIGKILL);
  return false;
}
}  // namespace

TEST(CommandRunner, whatTheCommandForkedEndsWithIt) {
  auto r = runCommand("/bin/sh", {"-c", "sleep 30 & echo $!; exec sleep 30"}, {.timeout = 300ms});
  EXPECT_EQ(r.status, Status::timedOut);
  EXPECT_TRUE(endsSoon(r.output)) << "orphan " << r.output;

  // A command that ends on its own takes its leftovers along.
  r = runCommand("/bin/sh", {"-c", "sleep 30 >/dev/null & echo $!"});
  EXPECT_TRUE(r.succeeded());
  EXPECT_TRUE(endsSoon(r.output)) << "orphan " << r.output;
}

TEST(CommandRunner, anEndThatCanNotBeLearnedIsNoSuccess) {
  // With SIGCHLD ignored the kernel reaps children itself, so waiting for one fails.
  struct sigaction ignore {}, old {};
  ignore.sa_handler = SIG_IGN;
  sigaction(SIGCHLD, &ignore, &old);
  const auto r = runCommand("/bin/true", {});
  sigaction(SIGCHLD, &old, nullptr);
  EXPECT_EQ(r.status, Status::lost);
  EXPECT_FALSE(r.succeeded());
}
