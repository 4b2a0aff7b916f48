#include "Qel/Store/MachineSources.hpp"
#include "tests/Store/StoreHarness.hpp"

using namespace qel;
using namespace qel::test;
using namespace std::chrono_literals;

// The real store with the real readers and a real database, through 130 seconds of simulated
// time (real sampling, fake clock), stopped the way a quit signal stops it.
TEST_F(StoreTest, realReadersFillTodayAndTheDatabase) {
  const Date start = *dayStart("2026-06-15") + 10h + 8min;  // two slots in 130 s
  clock.setNow(start);
  StoreServices s;
  s.clock = &clock;
  s.main = &main;
  s.defaults = defaults.get();
  useMachineSources(s, nullptr);
  s.trafficPause = 0ms;
  s.openHistory = [this](HistoryDB::ProblemHandler h) {
    return std::make_unique<HistoryDB>(dir.path() / "data", lock, std::move(h));
  };
  store = std::make_unique<Store>(std::move(s));
  store->start();
  ASSERT_TRUE(runUntil(main, [&] { return store->liveReadings().tick == 1; }));
  for (int t = 2; t <= 130; ++t) tick();

  EXPECT_FALSE(store->processList().procs.empty());
  EXPECT_GT(store->liveReadings().mem.total, 0u);
  EXPECT_GT(store->liveReadings().diskTotal, 0u);
  const int first = slotOf(start), second = slotOf(start + 129s);
  ASSERT_NE(first, second);
  ASSERT_TRUE(store->dayView().day[std::size_t(first)]);
  ASSERT_TRUE(store->dayView().day[std::size_t(second)]);
  const int counted =
      store->dayView().day[std::size_t(first)]->count + store->dayView().day[std::size_t(second)]->count;
  EXPECT_GE(counted, 128);  // every tick with a CPU sample (the first has none)
  store->shutdown();
  store.reset();

  HistoryDB reopened(dir.path() / "data", lock);
  const auto day = reopened.loadDay("2026-06-15");
  ASSERT_TRUE(day[std::size_t(first)]);
  ASSERT_TRUE(day[std::size_t(second)]);
  EXPECT_EQ(day[std::size_t(first)]->count + day[std::size_t(second)]->count, counted);
}
