#include "Qel/Text/Loc.hpp"
#include "tests/History/HistoryFixture.hpp"
#include "tests/Store/StoreHarness.hpp"

using namespace qel;
using namespace qel::test;
using namespace std::chrono_literals;

namespace {

DayBucket bucket(double cpu, int count = 60, double pressure = 20, std::string top = {}) {
  return {.cpu = cpu, .mem = 0.5, .pressure = pressure, .peak = cpu + 0.1, .top = std::move(top), .topCPU = 180, .count = count};
}

class DayBrowsing : public StoreTest {
 protected:
  // Today is 2026-06-15, 10:00; the history holds the given past days (one slot each).
  void begin(const std::vector<std::string>& past) {
    makeStore();
    for (const auto& d : past) store->history()->save(d, 60, bucket(0.1));
    store->start();
    ASSERT_TRUE(runUntil(main, [&] { return store->liveReadings().tick == 1; }));
  }
  std::string shown() const { return store->dayView().viewDay.value_or("today"); }
};

}  // namespace

TEST_F(DayBrowsing, stepsThroughTheRecordedDaysAndStopsAtBothEnds) {
  begin({"2026-06-10", "2026-06-14", "2026-06-12"});
  EXPECT_FALSE(store->canStepDay(1));
  store->stepDay(1);
  EXPECT_EQ(shown(), "today");
  store->setRingMode(RingMode::live);
  store->select(10);
  store->stepDay(-1);
  EXPECT_EQ(shown(), "2026-06-14");
  EXPECT_EQ(store->dayView().ringMode, RingMode::day);
  EXPECT_FALSE(store->dayView().selectedSlot);
  store->stepDay(-1);
  store->stepDay(-1);
  EXPECT_EQ(shown(), "2026-06-10");
  EXPECT_FALSE(store->canStepDay(-1));
  store->stepDay(-1);
  EXPECT_EQ(shown(), "2026-06-10");
  EXPECT_TRUE(store->canStepDay(3));
  store->stepDay(3);
  EXPECT_EQ(shown(), "today");
  EXPECT_EQ(store->shownDay(), store->dayView().day);
}

TEST_F(DayBrowsing, withoutPastDaysThereIsNowhereToStep) {
  begin({});
  EXPECT_FALSE(store->canStepDay(-1));
  EXPECT_FALSE(store->canStepDay(1));
}

TEST_F(DayBrowsing, selectingThePresentClearsTheSelection) {
  begin({"2026-06-14"});
  const int now = store->nowSlot();
  ASSERT_EQ(store->maxSlot(), now);
  store->select(now - 1);
  EXPECT_EQ(store->dayView().selectedSlot, now - 1);
  EXPECT_EQ(store->moment().label, "Today 09:50");
  EXPECT_FALSE(store->moment().cpu);
  store->select(now + 5);
  EXPECT_FALSE(store->dayView().selectedSlot);
  EXPECT_TRUE(store->moment().isNow);
  store->select(-5);
  EXPECT_EQ(store->dayView().selectedSlot, 0);

  store->setRingMode(RingMode::live);
  store->select(58);
  const Moment m = store->moment();
  EXPECT_EQ(m.label, "1 s ago");
  EXPECT_EQ(m.cpu, store->liveReadings().cpuHist[58]);
  store->select(59);
  EXPECT_FALSE(store->dayView().selectedSlot);

  // On a past day the last slot is a slot like any other.
  store->showDay("2026-06-14");
  store->select(143);
  EXPECT_EQ(store->dayView().selectedSlot, 143);
  store->select(60);
  EXPECT_EQ(store->moment(), (Moment{.label = "Yesterday 10:00", .cpu = 0.1, .mem = 0.5, .isNow = false}));
}

TEST_F(DayBrowsing, pastDayMomentIsItsDailyAverage) {
  makeStore();
  store->history()->save("2026-06-14", 10, bucket(0.2));
  store->history()->save("2026-06-14", 20, bucket(0.4));
  store->start();
  store->showDay("2026-06-14");
  const Moment m = store->moment();
  EXPECT_EQ(m.label, "Yesterday, daily average");
  EXPECT_NEAR(*m.cpu, 0.3, 1e-12);
  store->showDay("2026-06-01");  // nothing recorded
  EXPECT_EQ(store->moment(), (Moment{.label = "Mon, Jun 1", .cpu = {}, .mem = {}, .isNow = false}));
}

TEST_F(DayBrowsing, dayLabelsAreInTheInterfaceLanguage) {
  begin({});
  EXPECT_EQ(store->shortDay("2024-03-05"), "Mar 5");
  EXPECT_EQ(store->shortDay("2024-13-05"), "2024-13-05");
  EXPECT_EQ(store->dayTitle("2026-06-12"), "Fri, Jun 12");
  EXPECT_EQ(store->dayTitle("junk"), "Today");
  Loc::set("de", nullptr);
  EXPECT_EQ(store->shortDay("2024-03-05"), "5. März");
  EXPECT_EQ(store->dayTitle("2026-06-12"), "Fr., 12. Juni");
  Loc::set("system", nullptr);
}

TEST_F(DayBrowsing, eventsComeFromBusySlotsThenFlaggedOnes) {
  makeStore();
  const std::string day = "2026-06-14";
  auto& h = *store->history();
  h.save(day, 1, bucket(0.9, 29));                         // too few samples
  h.save(day, 2, bucket(0.6, 30, 20, "make"));             // just busy enough
  h.save(day, 3, bucket(0.7, 60, 80));                     // CPU wins over memory
  h.save(day, 4, bucket(0.1, 60, 60));                     // memory
  h.add(DayEvent{.slot = 3, .isMemory = false, .title = "dropped", .detail = ""}, day);
  h.add(DayEvent{.slot = 9, .isMemory = true, .title = "kept", .detail = ""}, day);
  h.add(DayEvent{.slot = 9, .isMemory = true, .title = "second", .detail = ""}, day);
  store->start();
  store->showDay(day);
  const auto events = store->events();
  ASSERT_EQ(events.size(), 4u);
  EXPECT_EQ(events[0], (DayEvent{.slot = 2, .isMemory = false, .title = "CPU busy",
                                 .detail = "CPU averaged 60% over these 10 minutes and peaked at 70%. The top process "
                                           "at the time was make (180%)."}));
  EXPECT_EQ(events[1].detail, "CPU averaged 70% over these 10 minutes and peaked at 80%.");
  EXPECT_EQ(events[2], (DayEvent{.slot = 4, .isMemory = true, .title = "Memory is tight",
                                 .detail = "Memory pressure averaged 60% over these 10 minutes, with 50% in use."}));
  EXPECT_EQ(events[3].title, "kept");
  store->select(8);  // beside the event: the event's own slot, one moment for every view
  EXPECT_EQ(store->dayView().selectedSlot, 9);
  EXPECT_EQ(store->selectedEvent()->title, "kept");
  store->select(6);
  EXPECT_EQ(store->dayView().selectedSlot, 6);
  EXPECT_FALSE(store->selectedEvent());
  store->setSelectedSlot(8);  // set straight: no event of its own, so none is told
  EXPECT_FALSE(store->selectedEvent());
}

TEST_F(DayBrowsing, statusTakesTheFirstRowThatHolds) {
  struct Case {
    const char* what;
    double cpu, pressure;
    ThermalState thermal;
    bool procs;
    StatusLine line;
  };
  const std::vector<Case> cases{
      {"very busy", 0.85, 80, ThermalState::critical, false,
       {Level::high, "CPU is very busy", "a process is using 0%. The fans may spin up."}},
      {"hot", 0.84, 80, ThermalState::serious, true,
       {Level::high, "Computer is running hot",
        "The system is already slowing down to cool off. Stop the most power-hungry app first."}},
      {"tight", 0.84, 60, ThermalState::fair, true,
       {Level::notable, "Memory is getting tight",
        "The system is compressing memory. Quitting apps you aren't using will help."}},
      {"a bit busy", 0.6, 59, ThermalState::nominal, true, {Level::notable, "A bit busy", "Mostly alpha, at 50% CPU"}},
      {"calm", 0.59, 59, ThermalState::nominal, true,
       {Level::calm, "All calm", "Drag the ring on the left to look back at the load at any time today."}},
  };
  for (const auto& c : cases) {
    {
      std::lock_guard l(script.m);
      script.defaultCpu.total = c.cpu;
      script.mem.pressure = c.pressure;
      script.thermal = c.thermal;
      if (!c.procs) script.procs.clear();
    }
    makeStore();
    store->start();
    ASSERT_TRUE(runUntil(main, [&] { return store->liveReadings().tick == 1; }));
    EXPECT_EQ(store->status(), c.line) << c.what;
    std::lock_guard l(script.m);
    script.procs = {{.pid = 10, .name = "alpha", .cpu = 50}, {.pid = 11, .name = "beta", .cpu = 50}};
  }
}

TEST_F(DayBrowsing, searchIgnoresCaseInEveryScriptAndTheOrderIsStable) {
  {
    std::lock_guard l(script.m);
    script.procs = {{.pid = 1, .name = "Телеграм", .cpu = 5},  {.pid = 2, .name = "ΣΊΣΥΦΟΣ", .cpu = 9},
                    {.pid = 3, .name = "Straße", .cpu = 5},    {.pid = 4, .name = "telegram-cli", .cpu = 5, .mem = 9},
                    {.pid = 5, .name = "TELEGRAM", .cpu = 7},  {.pid = 6, .name = "日本語入力", .cpu = 1}};
  }
  begin({});
  auto pids = [&](std::string query) {
    store->setQuery(std::move(query));
    std::vector<std::int32_t> out;
    for (const auto& p : store->visibleProcs()) out.push_back(p.pid);
    return out;
  };
  EXPECT_EQ(pids(""), (std::vector<std::int32_t>{2, 5, 1, 3, 4, 6}));
  EXPECT_EQ(pids("  теЛЕГ "), std::vector<std::int32_t>{1});
  EXPECT_EQ(pids("σίσυφος"), std::vector<std::int32_t>{2});
  EXPECT_EQ(pids("STRASSE"), std::vector<std::int32_t>{3});
  EXPECT_EQ(pids("本語"), std::vector<std::int32_t>{6});
  EXPECT_EQ(pids("Telegram"), (std::vector<std::int32_t>{5, 4}));
  store->setSort(SortKey::mem);
  EXPECT_EQ(pids("Telegram"), (std::vector<std::int32_t>{4, 5}));
  EXPECT_TRUE(pids("telegrаm").empty());  // a Cyrillic "а" is another letter
}

TEST_F(DayBrowsing, erasingForgetsEverythingOrSaysItCouldNot) {
  test::FailingCommits hook;
  begin({"2026-06-14"});
  store->showDay("2026-06-14");
  store->history()->recordedDays();  // every earlier write has committed
  hook.failNext(1);  // the deletion fails and is rolled back: everything stays
  store->eraseHistory();
  ASSERT_TRUE(runUntil(main, [&] { return store->navigation().toast == "History could not be erased"; }));
  EXPECT_EQ(store->dayView().recordedDays.size(), 1u);
  EXPECT_TRUE(store->dayView().day[std::size_t(store->nowSlot())]);
  EXPECT_EQ(store->dayView().viewDay, "2026-06-14");

  store->eraseHistory();
  ASSERT_TRUE(runUntil(main, [&] { return store->navigation().toast == "History erased"; }));
  EXPECT_TRUE(store->dayView().recordedDays.empty());
  EXPECT_FALSE(store->dayView().viewDay);
  EXPECT_FALSE(store->dayView().day[std::size_t(store->nowSlot())]);
  EXPECT_EQ(store->insightFindings().insight.baselineDays(), 0);
}

TEST_F(DayBrowsing, aCleanUpThatFailsAfterTheRowsAreGoneIsANoteNotAFailure) {
  begin({"2026-06-14"});
  store->showDay("2026-06-14");
  // An imported older file that can't be removed.
  std::filesystem::create_directories(dir.path() / "data" / "day.json.imported" / "x");
  store->eraseHistory();
  ASSERT_TRUE(runUntil(main, [&] {
    return store->navigation().toast && store->navigation().toast->starts_with("History erased, but");
  }));
  EXPECT_NE(store->navigation().toast->find("day.json.imported"), std::string::npos);
  EXPECT_TRUE(store->dayView().recordedDays.empty());
  EXPECT_FALSE(store->dayView().viewDay);
  EXPECT_FALSE(store->dayView().day[std::size_t(store->nowSlot())]);
  EXPECT_TRUE(store->history()->recordedDays().empty());
}

TEST_F(DayBrowsing, aPrunedDayOnShowFallsBackToToday) {
  begin({"2026-06-14"});
  store->showDay("2026-06-14");
  store->history()->prune("2026-06-15");
  store->refreshHistoryInfo();
  EXPECT_FALSE(store->dayView().viewDay);
}

namespace {
// 29 March 2026: clocks in Berlin go from 02:00 to 03:00, so 14:30 is 13.5 hours after midnight.
class SpringForward : public StoreTest {
 protected:
  SpringForward() : StoreTest(*dayStart("2026-03-29") + 13h + 30min) {}
};
}  // namespace

TEST_F(SpringForward, slotsComeFromTheWallClock) {
  {
    std::lock_guard l(script.m);
    script.procs = {{.pid = 40, .name = "Render", .cpu = 100}};
  }
  makeStore();
  store->start();
  ASSERT_TRUE(runUntil(main, [&] { return store->liveReadings().tick == 1; }));
  EXPECT_EQ(store->nowSlot(), 87);
  while (store->liveReadings().tick < 180) tick();
  ASSERT_EQ(store->dayView().flaggedEvents.size(), 1u);
  EXPECT_EQ(store->dayView().flaggedEvents[0].slot, 87);
  EXPECT_EQ(store->dayView().day[87]->count, 180);
  store->select(85);  // (86 lies beside the event, and would pick its slot)
  EXPECT_EQ(store->moment().label, "Today 14:10");
}
