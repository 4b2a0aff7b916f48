// The history's two regular writes, each against its 5 ms budget, and the size a year of typical
// use leaves on disk, against its 50 MB budget. Writes are timed up to a read that waits for them.
#include <benchmark/benchmark.h>

#include "Qel/History/HistoryDB.hpp"
#include "Qel/Platform/Files/InstanceLock.hpp"
#include "Qel/Platform/Runtime/Calendar.hpp"
#include "tests/support/TempDir.hpp"

using namespace qel;
using namespace std::chrono_literals;

namespace {

struct Bench {
  test::TempDir dir;
  InstanceLock lock{dir / "qel.lock"};
  HistoryDB db{dir / "Qel", lock};
};

DayBucket bucket(int slot) { return {0.12 + slot * 0.001, 0.61, 23.5, 0.8, "chromium", 143.7, 60}; }

std::vector<HistoryDB::AppRow> apps(int count) {
  std::vector<HistoryDB::AppRow> out;
  for (int i = 0; i < count; ++i)
    out.push_back({"/usr/share/applications/org.example.Application" + std::to_string(i) + ".desktop",
                   AppUsage{"Application " + std::to_string(i), 0.9, 6.4e9, 12.5, 60}, "1.4." + std::to_string(i)});
  return out;
}

void saveDay(benchmark::State& state) {
  Bench b;
  int n = 0;
  for (auto _ : state) {
    const std::string day = *addDays("2024-01-01", n++);
    for (int slot = 0; slot < kSlotsPerDay; ++slot) b.db.save(day, slot, bucket(slot));
    b.db.loadEvents("none");
  }
  state.SetLabel("budget 5 ms");
}
BENCHMARK(saveDay)->Unit(benchmark::kMillisecond)->UseRealTime();

void flushApps(benchmark::State& state) {
  Bench b;
  const auto rows = apps(200);
  int n = 0;
  for (auto _ : state) {
    b.db.add(rows, "2024-01-01", n++ % 24);
    b.db.loadEvents("none");
  }
  state.SetLabel("budget 5 ms");
}
BENCHMARK(flushApps)->Unit(benchmark::kMillisecond)->UseRealTime();

// A machine on all day every day: 144 slots, 25 apps in each of 12 busy hours, 10 events and
// 20 marks, one night's sleep with three dark wakes, and a recorded stretch each week.
void yearOnDisk(benchmark::State& state) {
  for (auto _ : state) {
    test::TempDir dir;
    {
      InstanceLock lock(dir / "qel.lock");
      HistoryDB db(dir / "Qel", lock);
      const auto hourApps = apps(25);
      for (int d = 0; d < 365; ++d) {
        const std::string day = *addDays("2024-01-01", d);
        const Date midnight = *dayStart(day);
        for (int slot = 0; slot < kSlotsPerDay; ++slot) db.save(day, slot, bucket(slot));
        for (int hour = 8; hour < 20; ++hour) db.add(hourApps, day, hour);
        for (int e = 0; e < 10; ++e) db.add(DayEvent{e * 14, e % 3 == 0, "Busy for ten minutes", "chromium 143 %"}, day);
        for (int m = 0; m < 20; ++m) db.add(DayMark{m * 7, midnight + m * 70min, "launch", "Text Editor"}, day);
        SleepSession s{midnight + 23h, midnight + 31h, 80, 76, true, {}, {}};
        for (int w = 1; w <= 3; ++w) s.wakes.push_back({s.start + w * 2h, 40, 78, "EC.RTC (Alarm)"});
        db.save(std::vector{s});
        if (d % 7 == 0)
          db.save(Stretch{midnight + 10h, midnight + 12h, "Marked at 10:00", 0.9, 0.4, 21.5, 1.3,
                          {{"cc1", 0.6}, {"ld", 0.2}, {"make", 0.1}, {"bash", 0.1}}, std::vector<double>(240, 0.4321)});
      }
      db.loadEvents("none");
    }
    const double mb = double(std::filesystem::file_size(dir / "Qel" / "history.sqlite")) / 1e6;
    state.counters["MB"] = mb;
    state.SetLabel(mb < 50 ? "within the 50 MB budget" : "OVER the 50 MB budget");
  }
}
BENCHMARK(yearOnDisk)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
