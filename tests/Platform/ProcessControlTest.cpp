#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "Qel/Platform/Bus/UserUnits.hpp"
#include "Qel/Platform/Proc/BackgroundPriority.hpp"
#include "Qel/Platform/Proc/ProcPidCgroup.hpp"
#include "Qel/Platform/Proc/ProcessSignals.hpp"
#include "tests/support/DBusMock.hpp"
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
    if (niceOf(*child) == 19) { EXPECT_EQ(syscall(SYS_ioprio_get, 1, id.pid) >> 13, 3); }  // the idle I/O class
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

namespace {

// A service manager that keeps its units' weights in a map; `gone` units have ended.
class FakeUnits final : public UserUnits {
 public:
  std::optional<std::uint64_t> cpuWeight(const std::string& unit) override {
    const auto it = weights->find(unit);
    return it == weights->end() ? std::nullopt : std::optional(it->second);
  }
  UnitWrite setCpuWeight(const std::string& unit, std::uint64_t weight) override {
    ++writes;
    if (!weights->contains(unit)) return UnitWrite::gone;
    (*weights)[unit] = weight;
    return UnitWrite::done;
  }
  std::shared_ptr<std::map<std::string, std::uint64_t>> weights = std::make_shared<std::map<std::string, std::uint64_t>>();
  int writes = 0;
};

}  // namespace

TEST(BackgroundPriority, anAppsUnitIsSlowedWhereItsManagerMayWeighCpuAndGetsItsOwnWeightBack) {
  const std::string manager = "user.slice/user-1000.slice/user@1000.service";
  const std::string unit = "app-gnome-x-4242.scope", scope = manager + "/app.slice/" + unit;
  struct Case {
    const char* what;
    std::string ownCgroup;    // where this program runs
    const char* controllers;  // what the system handed the user's manager
    bool lowered, unitEnds = false;
  } cases[] = {
      {"delegated", "0::/user.slice/user-1000.slice/session-2.scope\n", "cpu memory pids\n", true},
      // A unit that ended with its app has nothing left to restore: no failure.
      {"the unit ends with its app", "0::/init.scope\n", "cpu\n", true, true},
      {"no CPU controller for the user", "0::/user.slice/user-1000.slice/session-2.scope\n", "memory pids\n", false},
      // A process started by this program (a command it runs) shares its scope.
      {"this program's own scope", "0::/" + scope + "\n", "cpu memory pids\n", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir root;
    const std::int32_t a = getpid() == 4242 ? 4243 : 4242, b = a + 10;
    for (const auto pid : {a, b}) {
      const std::string dir = "proc/" + std::to_string(pid) + "/";
      root.write(dir + "stat", std::to_string(pid) + " (x) S 1 1 1 0 -1 4194304 0 0 0 0 0 0 0 0 20 0 1 0 777 0 0\n");
      root.write(dir + "cgroup", "0::/" + scope + "\n");
    }
    root.write("proc/self/cgroup", c.ownCgroup);
    root.write("sys/fs/cgroup/" + manager + "/cgroup.controllers", c.controllers);
    auto units = std::make_unique<FakeUnits>();
    FakeUnits& seen = *units;
    const auto weights = seen.weights;
    (*weights)[unit] = kUnsetCpuWeight;
    BackgroundPriority priority(SysRoot{root.path()}, std::move(units));
    if (c.lowered) { EXPECT_TRUE(priority.canRestore({a, 777})); }  // through the unit, whoever may renice
    // The fixture's processes have no threads to lower one by one.
    EXPECT_EQ(priority.lower({a, 777}), c.lowered);
    EXPECT_EQ(priority.lower({b, 777}), c.lowered);  // the same unit: asked once
    EXPECT_EQ(seen.writes, c.lowered ? 1 : 0);
    EXPECT_EQ(priority.restore(a), RestoreOutcome::restored);
    EXPECT_EQ(weights->at(unit), c.lowered ? 1u : kUnsetCpuWeight);  // b still holds it low
    if (c.unitEnds) weights->erase(unit);
    EXPECT_EQ(priority.restore(b), RestoreOutcome::restored);
    if (!c.unitEnds) { EXPECT_EQ(weights->at(unit), kUnsetCpuWeight); }  // its own setting again
  }
}

TEST(BackgroundPriority, aNiceValueComesBackOnlyWithTheRightOrTheRoomToLowerIt) {
  EXPECT_TRUE(niceCanReturn(0, 0, true));
  EXPECT_FALSE(niceCanReturn(0, 0, false));   // the usual user: no way back down
  EXPECT_FALSE(niceCanReturn(5, 10, false));  // down to 10 only
  EXPECT_TRUE(niceCanReturn(10, 10, false));
  EXPECT_TRUE(niceCanReturn(-20, UINT64_MAX, false));
}

TEST(UserUnits, readsAndSetsAUnitsWeightForTheSessionOnly) {
  PrivateBus bus;
  ASSERT_TRUE(bus.ok());
  ASSERT_TRUE(bus.startTemplate("systemd", "org.freedesktop.systemd1"));
  auto client = bus.connect();
  const auto mock = [&](const char* path, const char* method, const char* types, auto... args) {
    BusError error;
    EXPECT_TRUE(callMethod(client.get(), "org.freedesktop.systemd1", path, "org.freedesktop.DBus.Mock", method, error,
                           types, args...))
        << error.message();
  };
  const char* manager = "/org/freedesktop/systemd1";
  mock(manager, "AddMockUnit", "s", "app-gnome-mail-42.scope");
  mock("/org/freedesktop/systemd1/unit/app_gnome_mail_42_scope", "AddProperty", "ssv", "org.freedesktop.systemd1.Scope",
       "CPUWeight", "t", std::uint64_t(kUnsetCpuWeight));
  // As the manager does it: a setting for the session only, on a unit that exists.
  mock(manager, "AddMethod", "sssss", "org.freedesktop.systemd1.Manager", "SetUnitProperties", "sba(sv)", "",
       "if str(args[0]) not in self.units:\n"
       "    raise dbus.exceptions.DBusException('gone', name='org.freedesktop.systemd1.NoSuchUnit')\n"
       "if not args[1]:\n"
       "    raise dbus.exceptions.DBusException('kept', name='org.freedesktop.DBus.Error.AccessDenied')\n"
       "objects[self.units[str(args[0])]].UpdateProperties('org.freedesktop.systemd1.Scope',\n"
       "    {'CPUWeight': dbus.UInt64(args[2][0][1])})\n");

  SessionUserUnits units;
  EXPECT_EQ(units.cpuWeight("app-gnome-mail-42.scope"), kUnsetCpuWeight);
  EXPECT_EQ(units.setCpuWeight("app-gnome-mail-42.scope", 1), UnitWrite::done);
  EXPECT_EQ(units.cpuWeight("app-gnome-mail-42.scope"), 1u);
  EXPECT_EQ(units.setCpuWeight("app-gnome-mail-42.scope", kUnsetCpuWeight), UnitWrite::done);
  EXPECT_EQ(units.cpuWeight("app-gnome-mail-42.scope"), kUnsetCpuWeight);
  EXPECT_EQ(units.setCpuWeight("app-gnome-gone-7.scope", 100), UnitWrite::gone);
  EXPECT_FALSE(units.cpuWeight("app-gnome-gone-7.scope"));
  EXPECT_FALSE(units.cpuWeight("backup.timer"));  // a unit type without CPU settings
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
