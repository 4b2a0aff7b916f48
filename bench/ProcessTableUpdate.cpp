// The process table's once-a-second update with 2,000 processes, on the main thread: the model
// moves, adds and removes rows in place and the list view repaints what is visible. Target: the
// whole update under 5 ms. The naive alternative (resetting the table every tick, which also
// loses the scroll position) runs alongside as the ratio's baseline, through the same view.
#include <benchmark/benchmark.h>

#include <QApplication>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>

#include "Qel/Kit/IconCache.hpp"
#include "Qel/Kit/PageMeta.hpp"
#include "Qel/Processes/ProcessListView.hpp"
#include "Qel/Processes/ProcessRowDelegate.hpp"
#include "Qel/Processes/ProcessTableModel.hpp"

using namespace qel;

namespace {

constexpr int kProcs = 2000;

// The sampler's list at tick `t`: figures change every tick, a few processes end and start.
std::vector<ProcInfo> procsAt(int t) {
  std::vector<ProcInfo> out;
  out.reserve(kProcs);
  for (int i = 0; i < kProcs; ++i) {
    const int generation = (i % 97 == 0) ? t : 0;  // every 97th process is replaced each tick
    ProcInfo p;
    p.pid = 1000 + i;
    p.startTime = std::uint64_t(generation);
    p.name = "process-" + std::to_string(i);
    p.path = "/usr/bin/process-" + std::to_string(i % 40);
    p.cpu = 50 + 50 * std::sin(i * 0.37 + t * 0.9);
    p.mem = std::uint64_t(1 + (i * 7919 + t * 131) % 4000) << 20;
    out.push_back(std::move(p));
  }
  std::stable_sort(out.begin(), out.end(), [](const ProcInfo& a, const ProcInfo& b) { return a.cpu > b.cpu; });
  return out;
}

// The overview's process list: the model, its view and the row painter, shown.
struct Table {
  Table() : view(model) {
    view.setItemDelegate(new ProcessRowDelegate(model, icons, [](std::int32_t pid) { return pid % 5 == 0; },
                                                [] { return Page::overview; }, &view));
    view.resize(900, 600);
    view.show();
  }
  ProcessTableModel model;
  IconCache icons;
  ProcessListView view;
};

// Each tick's update, either in place or, the naive way, by emptying the table and filling it
// again (as a model reset does: every row is laid out anew, and the scroll position is lost).
template <bool reset>
void tableUpdate(benchmark::State& state) {
  Table table;
  std::vector<std::vector<ProcInfo>> ticks;
  for (int i = 0; i < 8; ++i) ticks.push_back(procsAt(i));
  table.model.update(ticks[0]);
  QApplication::processEvents();
  int t = 0;
  for (auto _ : state) {
    if constexpr (reset) table.model.update({});
    table.model.update(ticks[std::size_t(++t % 8)]);
    table.view.viewport()->repaint();  // the frame the update causes
  }
}
BENCHMARK(tableUpdate<false>)->Name("tableUpdate")->Unit(benchmark::kMillisecond);
BENCHMARK(tableUpdate<true>)->Name("resetBaseline")->Unit(benchmark::kMillisecond);

// Keeps each benchmark's CPU time per update for the closing line.
class Reporter : public benchmark::ConsoleReporter {
 public:
  std::map<std::string, double> millis;
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const auto& run : runs)
      if (run.run_type == Run::RT_Iteration)
        millis[run.run_name.function_name] = run.GetAdjustedCPUTime() *
                                             benchmark::GetTimeUnitMultiplier(benchmark::kMillisecond) /
                                             benchmark::GetTimeUnitMultiplier(run.time_unit);
  }
};

}  // namespace

// The application lives in main, so it is gone before the program's statics are.
int main(int argc, char** argv) {
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  Reporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const auto ours = reporter.millis.find("tableUpdate"), naive = reporter.millis.find("resetBaseline");
  if (ours != reporter.millis.end() && naive != reporter.millis.end() && ours->second > 0)
    std::printf("CPU per update: in place %.2f ms, reset %.2f ms, reset / in place %.2fx\n", ours->second,
                naive->second, naive->second / ours->second);
  benchmark::Shutdown();
  return 0;
}
