#include <climits>
#include <cmath>

#include "tests/Store/StoreHarness.hpp"

using namespace qel;
using namespace qel::test;
using namespace std::chrono_literals;

namespace {

class UsualLoad : public StoreTest {
 protected:
  // Day keys counting back from yesterday (today is 2026-06-15).
  static std::string daysAgo(int n) { return *addDays("2026-06-15", -n); }

  // A fresh history with `values` for slot 5 on consecutive days ending yesterday, then a start.
  void startWith(const std::vector<double>& values, int count = 30) {
    makeStore();
    store->history()->eraseAll();
    for (std::size_t i = 0; i < values.size(); ++i)
      store->history()->save(daysAgo(int(values.size() - i)), 5, DayBucket{.cpu = values[i], .count = count});
    store->start();
  }
  BaselineSlot slot(int i = 5) const { return store->insightFindings().insight.baseline()[std::size_t(i)]; }
};

}  // namespace

TEST_F(UsualLoad, firstFourteenDaysAreAPlainMeanThenEachDayMovesItByAFourteenth) {
  startWith({0.2, 0.4, 0.6});
  EXPECT_NEAR(slot().cpu, 0.4, 1e-12);
  EXPECT_EQ(slot().days, 3);
  EXPECT_EQ(store->baselineNote(), "The thin line is the usual CPU load at this time of day (from the last 3 days)");

  std::vector<double> values;
  for (int i = 0; i < 14; ++i) values.push_back(i % 2 ? 0.2 : 0.4);
  startWith(values);
  EXPECT_NEAR(slot().cpu, 0.3, 1e-12);
  EXPECT_EQ(slot().days, 14);

  values.push_back(1.0);
  startWith(values);
  EXPECT_NEAR(slot().cpu, 0.35, 1e-12);
  for (int i = 0; i < 5; ++i) values.push_back(1.0);
  startWith(values);
  EXPECT_NEAR(slot().cpu, 1.0 - 0.7 * std::pow(13.0 / 14.0, 6), 1e-12);
  EXPECT_EQ(slot().days, 14);
}

TEST_F(UsualLoad, slotsWithTooFewSamplesAreSkippedAndNoDayCountsTwice) {
  startWith({0.9, 0.9}, 29);
  EXPECT_EQ(slot(), (BaselineSlot{}));
  EXPECT_EQ(store->baselineNote(),
            "After 3 more days of history, the ring will show a reference line for your usual load");
  makeStore();
  store->history()->save(daysAgo(3), 7, DayBucket{.cpu = 0.5, .count = 30});  // older than the last fold
  store->history()->save(daysAgo(1), 7, DayBucket{.cpu = 0.3, .count = 30});  // already folded (with slot 5)
  store->history()->save(daysAgo(1), 8, DayBucket{.cpu = 0.6, .count = 30});
  store->start();  // restores the stored usual load and folds nothing new
  EXPECT_EQ(slot(7), (BaselineSlot{}));
  EXPECT_EQ(slot(8), (BaselineSlot{}));

  // The new day folds yesterday, and only yesterday. The time passes rather than the clock being
  // set: a clock set ahead folds by the day it should show.
  clock.advance(*dayStart("2026-06-16") + 10h - clock.now());
  store->history()->save("2026-06-15", 8, DayBucket{.cpu = 0.4, .count = 30});
  tick();
  ASSERT_EQ(store->todayKey(), "2026-06-16");
  EXPECT_EQ(slot(8), (BaselineSlot{.cpu = 0.4, .days = 1}));
  EXPECT_EQ(slot(7), (BaselineSlot{}));
}

TEST_F(UsualLoad, aDamagedDayCountStartsTheSlotAfreshOrCountsAsFourteen) {
  makeStore();
  store->history()->eraseAll();
  std::vector<BaselineSlot> stored(144);
  stored[5] = {.cpu = 0.1, .days = INT_MAX};
  stored[6] = {.cpu = 0.9, .days = -3};
  store->history()->save(stored, daysAgo(2));
  for (const int i : {5, 6}) store->history()->save(daysAgo(1), i, DayBucket{.cpu = 0.8, .count = 30});
  store->start();
  EXPECT_NEAR(slot(5).cpu, (0.8 + 0.1 * 13) / 14, 1e-12);
  EXPECT_EQ(slot(5).days, 14);
  EXPECT_EQ(slot(6), (BaselineSlot{.cpu = 0.8, .days = 1}));
}

TEST_F(UsualLoad, busierThanUsualFromTwiceTheUsualLoad) {
  struct Case {
    const char* what;
    BaselineSlot usual;
    int count;
    double cpu;
    std::optional<double> ratio;
  };
  const std::vector<Case> cases{
      {"twice", {0.125, 3}, 59, 0.25, 2.0},
      {"less than twice", {0.126, 3}, 59, 0.25, std::nullopt},
      {"in the first minute", {0.125, 3}, 58, 0.25, std::nullopt},
      {"too few days", {0.125, 2}, 59, 0.25, std::nullopt},
      {"no usual load", {0.0199, 5}, 59, 0.25, std::nullopt},
      {"quiet", {0.1, 5}, 59, 0.2, std::nullopt},
  };
  for (const auto& c : cases) {
    {
      std::lock_guard l(script.m);
      script.defaultCpu.total = c.cpu;
    }
    makeStore();
    const int s = slotOf(clock.now());
    std::vector<BaselineSlot> baseline(kSlotsPerDay);
    baseline[std::size_t(s)] = c.usual;
    store->history()->save(baseline, "2026-06-14");
    store->history()->save("2026-06-15", s, DayBucket{.cpu = c.cpu, .count = c.count});
    store->start();
    ASSERT_TRUE(runUntil(main, [&] { return store->liveReadings().tick == 1; }));  // one sample more
    EXPECT_EQ(store->busierThanUsual(), c.ratio) << c.what;
    if (!c.ratio) continue;
    EXPECT_EQ(store->status().detail,
              "CPU usage over these 10 minutes is 2.0× the usual for this time of day, mostly from alpha.");
    store->history()->save("2026-06-14", 1, DayBucket{.count = 1});
    store->refreshHistoryInfo();
    store->showDay("2026-06-14");
    EXPECT_FALSE(store->busierThanUsual()) << "a past day on show";
  }
}
