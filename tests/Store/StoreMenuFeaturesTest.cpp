#include "Qel/Platform/Bus/Logind.hpp"
#include "tests/Store/DesktopStoreTest.hpp"
#include "tests/support/DBusMock.hpp"
#include "tests/support/TestProcesses.hpp"

using namespace qel;
using namespace qel::test;
using namespace std::chrono_literals;

namespace {

class MenuTest : public DesktopStoreTest {
 protected:
  // A heavy background process that quiet mode has lowered.
  std::unique_ptr<ChildProcess> startWithThrottled() {
    auto heavy = sleeper();
    EXPECT_TRUE(reaches(*heavy, 'S'));
    setProcs({listed(*heavy, "indexer", 80)});
    desktop.front = 1;
    startStore();
    store->toggleQuiet();
    tick();
    EXPECT_TRUE(atBackground(*heavy));
    return heavy;
  }
  std::optional<std::vector<Inhibitor>> inhibitors() {
    auto bus = openBus(BusKind::system);
    return listInhibitors(bus.get());
  }
  // The mock lets go of a lock a moment after its descriptor closes.
  bool inhibitorsBecome(std::size_t n) {
    for (int i = 0; i < 200; ++i) {
      if (auto list = inhibitors(); list && list->size() == n) return true;
      std::this_thread::sleep_for(10ms);
    }
    return false;
  }
};

}  // namespace

TEST_F(MenuTest, busyComesAfterFiveBusySecondsAndGoesAfterFifteenQuietOnes) {
  std::vector<std::pair<double, bool>> steps;
  for (int i = 0; i < 15; ++i) steps.push_back({0.5, false});
  steps.insert(steps.end(), {{0.7, false}, {0.7, false}, {0.7, true}});
  for (int i = 0; i < 7; ++i) steps.push_back({0.2, true});  // the last fifteen still average 0.4 or more
  steps.push_back({0.2, false});
  {
    std::lock_guard l(script.m);
    for (const auto& [total, busy] : steps) script.cpu.push_back(CPUSample{.total = total});
  }
  startStore();
  EXPECT_EQ(store->liveReadings().menuBusy, steps[0].second);
  for (std::size_t i = 1; i < steps.size(); ++i) {
    tick();
    EXPECT_EQ(store->liveReadings().menuBusy, steps[i].second) << "step " << i;
  }
}

TEST_F(MenuTest, notesAndMenuBarPartsFollowTheSwitches) {
  startStore();
  EXPECT_EQ(store->muteNote(), "4 on");
  EXPECT_EQ(store->quietNote(), "Throttle heavy work");
  EXPECT_EQ(store->awakeNote(), "No idle sleep for 2 h");
  store->set(Setting::menuItems, {"ring", "cpu", "net"});
  EXPECT_EQ(store->menuBarParts(), (std::vector<MenuBarPart>{{"25%", "100%"}, {"↓0 KB/s", "↓999.9 MB/s"}}));

  store->toggleMute();
  EXPECT_EQ(store->navigation().toast, "Alerts paused for 1 hour");
  EXPECT_EQ(store->muteNote(), "Resumes at 11:00");
  EXPECT_EQ(store->menuBarParts().size(), 3u);
  EXPECT_EQ(store->menuBarParts().back(), (MenuBarPart{"⏸", "⏸"}));
  store->set(Setting::menuItems, {"gpu", "mem"});  // no GPU: no GPU part
  EXPECT_EQ(store->menuBarParts(), (std::vector<MenuBarPart>{{"Mem 50%", "Mem 100%"}, {"⏸", "⏸"}}));

  clock.advance(3599s);
  tick();  // the hour is over
  EXPECT_FALSE(store->isMuted());
  EXPECT_EQ(store->taming().mutedUntil, std::nullopt);
  EXPECT_EQ(store->muteNote(), "4 on");
}

TEST_F(MenuTest, keepAwakeHoldsAnInhibitorForTwoHours) {
  PrivateBus bus;
  ASSERT_TRUE(bus.startTemplate("logind", "org.freedesktop.login1"));
  clock.setNow(*dayStart("2026-06-15") + 9h + 15min);
  startStore();
  store->toggleAwake();
  EXPECT_EQ(store->navigation().toast, "Won't sleep when idle for the next 2 hours");
  EXPECT_EQ(store->awakeNote(), "Until 11:15");
  ASSERT_TRUE(inhibitorsBecome(1));
  const auto held = inhibitors()->front();
  EXPECT_EQ(held.what, "idle:sleep");
  EXPECT_EQ(held.who, "Qel");
  EXPECT_EQ(held.why, "Qel Keep Awake");
  EXPECT_EQ(held.mode, "block");

  clock.advance(7198s);
  tick();
  EXPECT_TRUE(store->taming().awakeUntil);
  tick();  // 11:15: released without a word
  EXPECT_FALSE(store->taming().awakeUntil);
  EXPECT_TRUE(inhibitorsBecome(0));
  EXPECT_NE(store->navigation().toast, "Normal sleep restored");

  store->toggleAwake();
  ASSERT_TRUE(inhibitorsBecome(1));
  store->toggleAwake();
  EXPECT_EQ(store->navigation().toast, "Normal sleep restored");
  EXPECT_TRUE(inhibitorsBecome(0));
  // Held at the end too: released when the program goes.
  store->toggleAwake();
  ASSERT_TRUE(inhibitorsBecome(1));
  store->shutdown();
  EXPECT_TRUE(inhibitorsBecome(0));
}

TEST_F(MenuTest, keepAwakeWithoutLogindChangesNothing) {
  PrivateBus bus;  // no logind on it
  ASSERT_TRUE(bus.ok());
  startStore();
  store->toggleAwake();
  EXPECT_EQ(store->navigation().toast, "Couldn't prevent sleep. The system refused the request.");
  EXPECT_FALSE(store->taming().awakeUntil);
}

TEST_F(MenuTest, quietModeLowersOnlyHeavyBackgroundWork) {
  auto heavy = sleeper(), light = sleeper(), app = sleeper(), front = sleeper(), other = sleeper(),
       session = sleeper();
  for (auto* c : {&heavy, &light, &app, &front, &other, &session}) ASSERT_TRUE(reaches(**c, 'S'));
  auto self = identityOf(getpid());
  ASSERT_TRUE(self);
  ProcInfo foreign = listed(*other, "someone else's", 50);
  foreign.isSystem = true;
  setProcs({listed(*heavy, "indexer", 20.0), listed(*light, "helper", 19.9),
            listed(*app, "Editor", 300, "/usr/share/applications/editor.desktop"), listed(*front, "front", 50),
            foreign, listed(*session, "pipewire", 50, "", "/usr/bin/pipewire"),
            {.pid = getpid(), .name = "qel", .cpu = 50, .startTime = self->startTime}});
  desktop.front = front->pid();
  startStore();
  store->toggleQuiet();
  EXPECT_EQ(store->navigation().toast, "Background work is now throttled");
  EXPECT_TRUE(store->taming().throttled.empty());  // nothing is lowered before the next tick
  tick();
  EXPECT_EQ(store->taming().throttled, std::set<std::int32_t>{heavy->pid()});
  EXPECT_TRUE(atBackground(*heavy));
  for (auto* c : {&light, &app, &front, &other, &session}) EXPECT_FALSE(atBackground(**c));
  EXPECT_EQ(getpriority(PRIO_PROCESS, 0), 0);
  EXPECT_EQ(store->quietNote(), "1 throttled");

  // A throttled process that exits is forgotten.
  heavy->stop(SIGKILL);
  setProcs({listed(*light, "helper", 19.9)});
  tick();
  EXPECT_TRUE(store->taming().throttled.empty());
  EXPECT_EQ(store->quietNote(), "On");
}

TEST_F(MenuTest, turningQuietModeOffRestoresThePriority) {
  if (!runsAsRoot()) GTEST_SKIP() << "an ordinary user can't take a nice value back down";
  auto heavy = startWithThrottled();
  store->toggleQuiet();
  EXPECT_EQ(store->navigation().toast, "Background priority restored");
  EXPECT_EQ(niceOf(*heavy), 0);
  EXPECT_TRUE(store->taming().throttled.empty());
}

TEST_F(MenuTest, aRestoreTheSystemRefusesIsReported) {
  auto heavy = startWithThrottled();
  if (niceOf(*heavy) != 19) GTEST_SKIP() << "lowered through the application scope, which can be restored";
  {
    WithoutCapability guard(CAP_SYS_NICE);
    store->toggleQuiet();
  }
  EXPECT_EQ(store->navigation().toast, "Couldn't restore the priority of indexer");
}

TEST_F(MenuTest, quietModeWaitsUntilTheFrontAppIsKnown) {
  auto heavy = sleeper();
  ASSERT_TRUE(reaches(*heavy, 'S'));
  setProcs({listed(*heavy, "indexer", 80)});
  startStore();  // no front app
  store->toggleQuiet();
  const std::string why = "Quiet mode and taming are idle: this desktop doesn't tell which app is in front.";
  EXPECT_EQ(store->navigation().toast, why);
  tick();
  EXPECT_TRUE(store->taming().throttled.empty());
  EXPECT_FALSE(atBackground(*heavy));
  desktop.front = 1;
  tick();
  EXPECT_EQ(store->taming().throttled, std::set<std::int32_t>{heavy->pid()});
}
