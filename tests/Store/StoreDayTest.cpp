#include <SQLiteCpp/Database.h>

#include <algorithm>

#include "tests/Store/StoreHarness.hpp"

using namespace qel;
using namespace qel::test;
using namespace std::chrono_literals;

namespace {
class StoreMidnight : public StoreTest {
 protected:
  StoreMidnight() : StoreTest(*dayStart("2026-06-16") - 3s) {}
};
}  // namespace

TEST_F(StoreMidnight, tickAcrossMidnightFilesUnderOneDayEach) {
  makeStore();
  store->start();
  ASSERT_TRUE(runUntil(main, [&] { return store->liveReadings().tick == 1; }));  // 23:59:57
  tick();
  tick();                       // 23:59:59
  clock.advance(900ms);         // 23:59:59.9
  store->sampleOnce();
  clock.advance(200ms);         // the snapshot arrives at 00:00:00.1
  ASSERT_TRUE(runUntil(main, [&] { return store->liveReadings().tick == 4; }));
  EXPECT_EQ(store->todayKey(), "2026-06-16");
  EXPECT_EQ(store->dayView().day[0]->count, 1);
  EXPECT_FALSE(store->dayView().day[143]);
  const auto old = store->history()->loadDay("2026-06-15");
  ASSERT_TRUE(old[143]);
  EXPECT_EQ(old[143]->count, 3);
}

TEST_F(StoreTest, restartMidSlotContinuesTheStoredCount) {
  makeStore();
  const int slot = store->nowSlot();
  store->history()->save(store->todayKey(), slot,
                         DayBucket{.cpu = 0.5, .mem = 0.5, .pressure = 40, .peak = 0.9, .top = "x", .topCPU = 90, .count = 30});
  makeStore();  // a new start loads the stored slot
  {
    std::lock_guard l(script.m);
    script.defaultCpu.total = 1.0;
  }
  store->start();
  ASSERT_TRUE(runUntil(main, [&] { return store->liveReadings().tick == 1; }));
  const auto& b = *store->dayView().day[std::size_t(slot)];
  EXPECT_EQ(b.count, 31);
  EXPECT_DOUBLE_EQ(b.cpu, (0.5 * 30 + 1.0) / 31);
  EXPECT_DOUBLE_EQ(b.peak, 1.0);
  EXPECT_EQ(b.top, "alpha");
}

TEST_F(StoreTest, rolloverOntoAStoredDayContinuesIt) {
  makeStore();
  // The clock is set back a day: that day's rows must not be overwritten by an empty day.
  store->history()->save("2026-06-14", 60, DayBucket{.cpu = 0.4, .count = 12});
  store->start();
  ASSERT_TRUE(runUntil(main, [&] { return store->liveReadings().tick == 1; }));
  clock.setNow(*dayStart("2026-06-14") + 10h + 1min);
  tick();
  EXPECT_EQ(store->todayKey(), "2026-06-14");
  EXPECT_EQ(store->dayView().day[60]->count, 13);
}

TEST_F(StoreTest, shutdownSavesTheLastRecordedSlotToo) {
  makeStore();
  clock.setNow(*dayStart("2026-06-15") + 10h + 9min + 58s);
  store->start();
  ASSERT_TRUE(runUntil(main, [&] { return store->liveReadings().tick == 1; }));
  tick();  // 10:09:59, slot 60
  clock.advance(500ms);  // 10:10:00 — quit in the first second of slot 61, before its first sample
  store->shutdown();
  EXPECT_FALSE(store->history()->isOpen());
  makeStore();
  store->loadDay();
  ASSERT_TRUE(store->dayView().day[60]);
  EXPECT_EQ(store->dayView().day[60]->count, 2);
}

TEST_F(StoreTest, quittingWhileTheHistoryIsLockedSaysOnStderrWhatWasNotSaved) {
  makeStore();
  store->start();
  ASSERT_TRUE(runUntil(main, [&] { return store->liveReadings().tick == 1; }));
  store->history()->recordedDays();  // the start's own writes are done
  SQLite::Database other(dir.path() / "data" / "history.sqlite", SQLite::OPEN_READWRITE);
  other.exec("BEGIN IMMEDIATE");
  testing::internal::CaptureStderr();
  store->shutdown();
  const std::string said = testing::internal::GetCapturedStderr();
  other.exec("COMMIT");
  EXPECT_NE(said.find("History could not be saved: save bucket"), std::string::npos) << said;
}

namespace {
class ClockYearsAhead : public StoreTest {
 protected:
  ClockYearsAhead() : StoreTest(*dayStart("2031-03-02") + 10h + 9min + 30s) {}
};

// `count` recorded days from `first` on, each with a slot and an hour of one app; newest first.
std::vector<std::string> storeDays(HistoryDB& history, const std::string& first, int count) {
  std::vector<std::string> days;
  for (int i = 0; i < count; ++i) {
    days.insert(days.begin(), *addDays(first, i));
    history.save(days.front(), 60, DayBucket{.cpu = 0.4, .count = 40});
    history.add({{"/a.desktop", AppUsage{"A", 1, 1, 1, 1}, ""}}, days.front(), 10);
  }
  return days;
}
}  // namespace

TEST_F(ClockYearsAhead, aRunLeavesEveryStoredDayInPlace) {
  makeStore();
  const auto stored = storeDays(*store->history(), "2026-06-10", 6);
  makeStore();
  store->start();
  ASSERT_TRUE(runUntil(main, [&] { return store->liveReadings().tick == 1; }));
  // Past the end of a slot and the minute's save: the new day is recorded.
  while (store->liveReadings().tick < 70) tick();
  auto days = store->history()->recordedDays();
  ASSERT_EQ(days.front(), "2031-03-02");
  days.erase(days.begin());
  EXPECT_EQ(days, stored);
  EXPECT_EQ(store->history()->loadApp("/a.desktop", "").size(), 6u);
  EXPECT_EQ(store->dayView().recordedDays.size(), 7u);
}

namespace {
class ClockYearsAheadAtMidnight : public StoreTest {
 protected:
  ClockYearsAheadAtMidnight() : StoreTest(*dayStart("2031-03-03") - 1min) {}
};
}  // namespace

TEST_F(ClockYearsAheadAtMidnight, crossingMidnightKeepsTheRealDaysAndARightClockLeavesTheFutureOnesOut) {
  makeStore();
  const auto real = storeDays(*store->history(), "2026-06-09", 7);
  makeStore();
  store->start();
  ASSERT_TRUE(runUntil(main, [&] { return store->liveReadings().tick == 1; }));
  // Over midnight and on to the new day's first save, which runs the prune.
  while (store->liveReadings().tick < 125) tick();
  ASSERT_EQ(store->todayKey(), "2031-03-03");
  auto days = store->history()->recordedDays();
  ASSERT_EQ(days.size(), 9u);
  EXPECT_EQ(std::vector<std::string>(days.begin() + 2, days.end()), real);
  EXPECT_EQ(store->history()->loadApp("/a.desktop", "").size(), 7u);
  store.reset();

  // The clock is right again: the two future days stay stored but are no days recorded, and
  // the usual load goes on learning from the days filed from now on.
  clock.setNow(*dayStart("2026-06-16") + 10h);
  makeStore();
  store->start();
  ASSERT_TRUE(runUntil(main, [&] { return store->liveReadings().tick == 1; }));
  EXPECT_EQ(store->dayView().recordedDays, real);
  store->history()->save("2026-06-16", 10, DayBucket{.cpu = 0.4, .count = 40});
  EXPECT_EQ(store->history()->daysNotFolded("2026-06-17"), std::vector<std::string>{"2026-06-16"});
}

namespace {
// A run that starts three minutes before midnight on a right clock, with ten days stored
// before, seven kept; the clock is set by GetParam() days while it runs.
class ClockStep : public StoreTest, public ::testing::WithParamInterface<int> {
 protected:
  ClockStep() : StoreTest(*dayStart("2026-06-15") - 3min) {}
  void runFor(int seconds) {
    const int until = store->liveReadings().tick + seconds;
    while (store->liveReadings().tick < until) tick();
  }
  // The days from `first` to `last` that are no longer recorded.
  std::vector<std::string> lost(const std::string& first, const std::string& last) {
    const auto days = store->history()->recordedDays();
    std::vector<std::string> out;
    for (auto d = first; d <= last; d = *addDays(d, 1))
      if (std::find(days.begin(), days.end(), d) == days.end()) out.push_back(d);
    return out;
  }
};
}  // namespace

TEST_P(ClockStep, noRecordedDayIsPrunedOrLeftOutOfTheUsualLoad) {
  const int step = GetParam();
  defaults->set("qel.keepDays", 7);
  makeStore();
  for (int i = 1; i <= 10; ++i)
    store->history()->save(*addDays("2026-06-14", -i), 60, DayBucket{.cpu = 0.4, .count = 40});
  makeStore();
  store->start();
  runFor(60);
  // Set while running, then over midnight on both the clock as set and the real one, and on to
  // the new day's first save.
  clock.setNow(clock.now() + std::chrono::hours(24) * step);
  runFor(200);
  const std::string ahead = dayKey(clock.now());
  EXPECT_EQ(lost("2026-06-08", "2026-06-14"), std::vector<std::string>{});

  // Right again, and on over the next real midnight.
  clock.setNow(clock.now() - std::chrono::hours(24) * step);
  runFor(100);
  clock.advance(23h + 55min);
  runFor(400);
  ASSERT_EQ(store->todayKey(), "2026-06-16");
  EXPECT_EQ(lost("2026-06-09", "2026-06-16"), std::vector<std::string>{});
  // What was filed under the clock set ahead is kept too, for when those days come.
  if (step > 0) {
    EXPECT_EQ(lost(*addDays(ahead, -1), ahead), std::vector<std::string>{});
  }

  // The stored days, the one the run began on (its last minutes) and the next (its first).
  const auto usual = store->history()->loadBaseline();
  EXPECT_EQ(usual[60].days, 10);
  EXPECT_GE(usual[143].days, 1);
  EXPECT_GE(usual[0].days, 1);
}

INSTANTIATE_TEST_SUITE_P(Days, ClockStep, ::testing::Values(1, 5, 6, 8, 30, -1, -5, -30));
