#include <gtest/gtest.h>

#include "Qel/Platform/BackgroundPriority.hpp"
#include "Qel/Platform/ProcPidCgroup.hpp"
#include "Qel/Platform/ProcessSignals.hpp"
#include "tests/support/TempDir.hpp"
#include "tests/support/TestProcesses.hpp"

using namespace qel;
using namespace qel::test;

TEST(ProcessSignals, neverSignalsInitNegativePidsOrItself) {
  for (const std::int32_t pid : {1, 0, -1, -42, std::int32_t(getpid())}) {
    const auto id = identityOf(pid).value_or(ProcessIdentity{pid, 1});
    EXPECT_EQ(signalProcess(id, SIGCONT), SignalOutcome::refused) << pid;
  }
}

TEST(ProcessSignals, signalsOnlyTheProcessItWasToldAbout) {
  auto child = sleeper();
  ASSERT_TRUE(child->started());
  const auto id = identity(*child);
  ASSERT_NE(id.startTime, 0u);
  // Another start time: the pid names another process now.
  EXPECT_EQ(signalProcess({id.pid, id.startTime + 1}, SIGSTOP), SignalOutcome::gone);
  EXPECT_EQ(signalProcess({id.pid, 0}, SIGSTOP), SignalOutcome::gone);
  EXPECT_FALSE(isStopped(*child));

  EXPECT_EQ(signalProcess(id, SIGSTOP), SignalOutcome::sent);
  EXPECT_TRUE(reaches(*child, 'T'));
  EXPECT_EQ(signalProcess(id, SIGCONT), SignalOutcome::sent);
  EXPECT_TRUE(reaches(*child, 'S'));
  child->stop(SIGKILL);
  EXPECT_EQ(signalProcess(id, SIGCONT), SignalOutcome::gone);
}

TEST(ProcessSignals, anotherUsersProcessIsDenied) {
  if (!runsAsRoot()) GTEST_SKIP() << "needs root to start a process as another user";
  auto child = sleeper({"/usr/bin/setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"});
  ASSERT_TRUE(reaches(*child, 'S'));
  WithoutCapability guard(CAP_KILL);
  ASSERT_TRUE(guard.dropped());
  EXPECT_EQ(signalProcess(identity(*child), SIGTERM), SignalOutcome::denied);
}

TEST(ProcPidCgroup, appScopeIsTheUnifiedPathUpToTheInnermostAppUnit) {
  const struct {
    const char* text;
    const char* scope;
  } cases[] = {
      {"0::/user.slice/user-1000.slice/user@1000.service/app.slice/app-org.gnome.Terminal-4711.scope\n",
       "/user.slice/user-1000.slice/user@1000.service/app.slice/app-org.gnome.Terminal-4711.scope"},
      {"0::/user.slice/u.service/app.slice/app-a-1.scope/app-b-2.scope/sub\n", "/user.slice/u.service/app.slice/app-a-1.scope/app-b-2.scope"},
      {"0::/user.slice/user-1000.slice/session-2.scope\n", ""},
      {"1:name=systemd:/user.slice/app.slice/app-x-1.scope\n0::/\n", ""},
      {"0::/user.slice/../app-x-1.scope\n", ""},
      {"0::/a//app-x-1.scope\n", ""},
      {"0::app-x-1.scope", ""},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(appScopeOfCgroup(c.text), c.scope) << c.text;
}

TEST(BackgroundPriority, lowersEveryThreadAndPutsTheOriginalBack) {
  if (!runsAsRoot()) GTEST_SKIP() << "an ordinary user can't take a nice value back down";
  auto child = sleeper();
  ASSERT_TRUE(reaches(*child, 'S'));
  const auto id = identity(*child);
  const long ioClass = syscall(SYS_ioprio_get, 1, id.pid) >> 13;
  {
    BackgroundPriority priority;
    EXPECT_FALSE(priority.lower({id.pid, id.startTime + 1}));
    EXPECT_FALSE(priority.lower({1, 1}));
    ASSERT_TRUE(priority.lower(id));
    EXPECT_TRUE(priority.isLowered(id.pid));
    EXPECT_TRUE(atBackground(*child));
    if (niceOf(*child) == 19) EXPECT_EQ(syscall(SYS_ioprio_get, 1, id.pid) >> 13, 3);  // the idle I/O class
    EXPECT_TRUE(priority.lower(id));  // again: still one entry
    EXPECT_EQ(priority.restore(id.pid), RestoreOutcome::restored);
    EXPECT_EQ(niceOf(*child), 0);
    EXPECT_EQ(syscall(SYS_ioprio_get, 1, id.pid) >> 13, ioClass);
    EXPECT_FALSE(priority.isLowered(id.pid));
    EXPECT_EQ(priority.restore(id.pid), RestoreOutcome::restored);  // nothing left to do

    ASSERT_TRUE(priority.lower(id));
  }
  // Whatever is still lowered goes back when the owner goes.
  EXPECT_EQ(niceOf(*child), 0);
}

TEST(BackgroundPriority, theIoPriorityPutBackIsOneTheKernelTakes) {
  struct Case {
    int saved, restored;
  } cases[] = {
      {0, 0},                          // none
      {4, 0},                          // none at level 4, as older kernels report one never chosen
      {(2 << 13) | 4, (2 << 13) | 4},  // best effort, level 4
      {(2 << 13) | 7, (2 << 13) | 7},
      {3 << 13, 3 << 13},  // idle
      {1 << 13, 1 << 13},  // real time
  };
  for (const auto& c : cases) EXPECT_EQ(restorableIoPriority(c.saved), c.restored) << c.saved;
}

TEST(BackgroundPriority, aScopeIsLoweredOnlyWhenItIsNotThisProgramsOwn) {
  const std::string scope = "user.slice/user-1000.slice/user@1000.service/app.slice/app-gnome-x-4242.scope";
  struct Case {
    const char* ownCgroup;  // where this program runs
    bool lowered;
  } cases[] = {
      {"0::/user.slice/user-1000.slice/user@1000.service/app.slice/app-gnome-qel-7.scope\n", true},
      {"0::/user.slice/user-1000.slice/session-2.scope\n", true},
      // A process started by this program (a command it runs) shares its scope.
      {"0::/user.slice/user-1000.slice/user@1000.service/app.slice/app-gnome-x-4242.scope\n", false},
  };
  for (const auto& c : cases) {
    TempDir root;
    const std::int32_t pid = getpid() == 4242 ? 4243 : 4242;
    root.write("proc/" + std::to_string(pid) + "/stat",
               std::to_string(pid) + " (x) S 1 1 1 0 -1 4194304 0 0 0 0 0 0 0 0 20 0 1 0 777 0 0\n");
    root.write("proc/" + std::to_string(pid) + "/cgroup", "0::/" + scope + "\n");
    root.write("proc/self/cgroup", c.ownCgroup);
    const auto weight = root.write("sys/fs/cgroup/" + scope + "/cpu.weight", "100\n");
    {
      BackgroundPriority priority(SysRoot{root.path()});
      // The fixture's process has no threads to lower one by one.
      EXPECT_EQ(priority.lower({pid, 777}), c.lowered) << c.ownCgroup;
      EXPECT_EQ(readFile(weight), c.lowered ? "1" : "100\n") << c.ownCgroup;
    }
    EXPECT_EQ(readFile(weight), c.lowered ? "100" : "100\n") << c.ownCgroup;
  }
}

TEST(BackgroundPriority, aRefusedRestoreIsReported) {
  auto child = sleeper();
  ASSERT_TRUE(reaches(*child, 'S'));
  const auto id = identity(*child);
  BackgroundPriority priority;
  ASSERT_TRUE(priority.lower(id));
  if (niceOf(*child) != 19) GTEST_SKIP() << "lowered through the application scope, which can be restored";
  {
    WithoutCapability guard(CAP_SYS_NICE);
    EXPECT_EQ(priority.restore(id.pid), RestoreOutcome::failed);
  }
  EXPECT_EQ(niceOf(*child), 19);
}

TEST(BackgroundPriority, aProcessThatEndedIsNoFailure) {
  auto child = sleeper();
  ASSERT_TRUE(reaches(*child, 'S'));
  const auto id = identity(*child);
  BackgroundPriority priority;
  ASSERT_TRUE(priority.lower(id));
  child->stop(SIGKILL);
  // Nothing to put back is not a failure.
  EXPECT_NE(priority.restore(id.pid), RestoreOutcome::failed);
}
