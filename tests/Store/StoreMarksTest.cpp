#include "tests/Store/StoreHarness.hpp"

using namespace qel;
using namespace qel::test;
using namespace std::chrono_literals;

namespace {

class FakeDesktop final : public Desktop {
 public:
  FrontApp frontApp() const override { return {}; }
  int screenCount() const override { return screens; }
  void applyAppearance(const std::string&) override {}
  void updateDockIcon(bool) override {}
  int screens = 1;
};

class StoreMarks : public StoreTest {
 protected:
  explicit StoreMarks(Date start = *dayStart("2026-06-15") + 10h) : StoreTest(start) {
    dir.write("apps/applications/viewer.desktop", "[Desktop Entry]\nType=Application\nName=Viewer\nExec=viewer\n");
    dir.write("apps/applications/agent.desktop",
              "[Desktop Entry]\nType=Application\nName=Agent\nExec=agent\nNoDisplay=true\n");
    apps = std::make_unique<AppRegistry>(AppRegistry::Options{.dataDirs = {dir / "apps"}, .locale = "", .searchPath = {}});
    configure = [this](StoreServices& s) { s.apps = apps.get(); };
  }

  void startStore() {
    makeStore();
    store->setDesktop(&desktop);
    store->start();
    ASSERT_TRUE(runUntil(main, [&] { return store->liveReadings().tick == 1; }));
  }

  // Runs to the next slow tick, where the slow readers' results are looked at.
  void toNextSlowTick() {
    do tick();
    while (store->liveReadings().tick % 10 != 1);
  }

  std::vector<std::string> kinds() const {
    std::vector<std::string> out;
    for (const auto& m : store->dayView().marks) out.push_back(m.kind + (m.arg.empty() ? "" : " " + m.arg));
    return out;
  }

  std::string appKey(const char* name) const { return (dir / "apps/applications" / name).string(); }

  std::unique_ptr<AppRegistry> apps;
  FakeDesktop desktop;
};

class MarksAtMidnight : public StoreMarks {
 protected:
  MarksAtMidnight() : StoreMarks(*dayStart("2026-06-16") - 10s) {}
};

}  // namespace

TEST_F(MarksAtMidnight, aMarkBeforeTheNewDaysFirstSampleIsFiledUnderTheNewDay) {
  script.battery = {.present = true, .percent = 50};
  startStore();  // 23:59:50
  script.battery.onAC = true;
  toNextSlowTick();  // 00:00:00: the charger is seen before the day's first CPU sample is filed
  EXPECT_EQ(store->todayKey(), "2026-06-16");
  EXPECT_EQ(kinds(), std::vector<std::string>{"plug"});
  const auto stored = store->history()->loadMarks("2026-06-16");
  ASSERT_EQ(stored.size(), 1u);
  EXPECT_EQ(stored[0].slot, 0);
  EXPECT_TRUE(store->history()->loadMarks("2026-06-15").empty());
}

TEST_F(StoreMarks, powerSourceChanges) {
  struct Case {
    const char* name;
    std::vector<BatterySample> slowTicks;  // the first is the state found at start
    std::vector<std::string> expected;
  };
  const BatterySample onBattery{.present = true, .percent = 50}, onAC{.present = true, .percent = 50, .onAC = true};
  const std::vector<Case> cases = {
      {"starting on battery, then plugged in", {onBattery, onBattery, onAC}, {"plug"}},
      {"starting on the adapter", {onAC, onAC}, {}},
      {"pulled and plugged again", {onAC, onBattery, onAC}, {"unplug", "plug"}},
      {"no battery", {BatterySample{}, BatterySample{.onAC = true}, BatterySample{}}, {}},
  };
  for (const auto& c : cases) {
    script.battery = c.slowTicks.front();
    startStore();
    for (std::size_t i = 1; i < c.slowTicks.size(); ++i) {
      script.battery = c.slowTicks[i];
      toNextSlowTick();
    }
    EXPECT_EQ(kinds(), c.expected) << c.name;
    store->history()->eraseAll();  // the next case's store loads this day's marks
  }
}

TEST_F(StoreMarks, networkAndScreens) {
  const NetAddress wifi{"wlp2s0", "192.168.1.20"};
  script.addresses = {wifi};
  startStore();
  script.addresses = {};
  toNextSlowTick();
  script.addresses = {wifi};
  toNextSlowTick();
  // Down between two slow ticks only: nobody saw it.
  for (int i = 0; i < 3; ++i) tick();
  script.addresses = {};
  for (int i = 0; i < 3; ++i) tick();
  script.addresses = {wifi};
  toNextSlowTick();

  desktop.screens = 3;  // two displays at once: one mark
  toNextSlowTick();
  desktop.screens = 1;
  toNextSlowTick();
  EXPECT_EQ(kinds(), (std::vector<std::string>{"net-", "net+", "display+", "display-"}));
}

TEST_F(StoreMarks, applicationLaunches) {
  script.procs = {{.pid = 10, .name = "viewer", .cpu = 1, .appKey = appKey("viewer.desktop")}};
  startStore();  // running at start: no mark
  toNextSlowTick();
  script.procs.push_back({.pid = 20, .name = "agent", .appKey = appKey("agent.desktop")});
  script.procs.push_back({.pid = 21, .name = "tool", .appKey = "/usr/bin/tool"});
  toNextSlowTick();
  EXPECT_TRUE(kinds().empty());  // a hidden helper entry and a plain program are no launches

  script.procs = {};
  toNextSlowTick();
  script.procs = {{.pid = 30, .name = "viewer", .appKey = appKey("viewer.desktop")},
                  {.pid = 31, .name = "viewer-helper", .appKey = appKey("viewer.desktop")}};
  toNextSlowTick();
  EXPECT_EQ(kinds(), std::vector<std::string>{"launch Viewer"});
  EXPECT_EQ(store->dayView().marks.back().title(), "Viewer opened");
}

TEST_F(StoreMarks, marksNearAnEventAndInTheSelectedSlot) {
  clock.setNow(*dayStart("2026-06-15") + 9h + 59min + 58s);
  startStore();
  clock.advance(1s);  // 09:59:59, slot 59
  store->addMark("wake", "");
  store->addMark("plug", "");  // same moment: the first made wins
  EXPECT_EQ(store->markBefore(DayEvent{.slot = 62})->kind, "wake");
  EXPECT_EQ(store->markBefore(DayEvent{.slot = 63}), std::nullopt);
  EXPECT_EQ(store->markBefore(DayEvent{.slot = 58}), std::nullopt);

  store->setSelectedSlot(59);
  EXPECT_EQ(store->selectedMarks().size(), 2u);
  store->setRingMode(RingMode::live);
  EXPECT_TRUE(store->selectedMarks().empty());

  // Stored as they are made, and back with the day at the next start.
  const auto made = store->dayView().marks;
  startStore();
  EXPECT_EQ(store->dayView().marks, made);
  EXPECT_EQ(made[0].title(), "Woke from sleep");
  EXPECT_EQ(made[0].id(), std::to_string(static_cast<long long>(toSeconds(made[0].date))) + "-wake-");
}
