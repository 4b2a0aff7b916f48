// Main-thread cost of applying one tick with 1,000 processes (target: under 1 ms).
#include <benchmark/benchmark.h>

#include "Qel/Platform/Runtime/Calendar.hpp"
#include "Qel/Store/Store.hpp"

using namespace qel;

static void applyWithThousandProcesses(benchmark::State& state) {
  FakeClock clock(*dayStart("2026-06-15") + std::chrono::hours(10));
  ManualExecutor main(clock);
  const auto file = std::filesystem::temp_directory_path() / "qel-bench-defaults.json";
  Defaults defaults(file);
  Store store(StoreServices{.clock = &clock, .main = &main, .defaults = &defaults});
  Snapshot s;
  s.cpu = CPUSample{.total = 0.3, .user = 0.2, .system = 0.1, .perCore = std::vector<double>(16, 0.3)};
  s.mem = MemSample{.total = 16ull << 30, .app = 4ull << 30, .pressure = 30};
  for (int i = 0; i < 1000; ++i)
    s.procs.push_back(ProcInfo{.pid = 1000 + i, .name = "process " + std::to_string(i), .path = "/usr/bin/p",
                               .cpu = double(i % 37), .mem = std::uint64_t(i) << 20, .energy = 0.01 * (i % 5)});
  int tick = 1;
  for (auto _ : state) {
    s.tick = ++tick;
    s.slow = isSlowTick(tick);
    store.apply(s);
    main.runUntilIdle();
    clock.advance(std::chrono::seconds(1));
  }
  std::filesystem::remove(file);
}
BENCHMARK(applyWithThousandProcesses)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
