// The process table's once-a-second update with 2,000 processes, on the main thread: the model
// moves, adds and removes rows in place and the list view repaints what is visible. Target: the
// whole update under 5 ms. The naive alternative (resetting the model every tick, which also
// loses the scroll position) runs alongside as the ratio's baseline.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QStringListModel>

#include <algorithm>
#include <cmath>
#include <random>

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

void tableUpdate(benchmark::State& state) {
  ProcessTableModel model;
  IconCache icons;
  ProcessListView view(model);
  view.setItemDelegate(new ProcessRowDelegate(model, icons, [](std::int32_t pid) { return pid % 5 == 0; },
                                              [] { return Page::overview; }, &view));
  view.resize(900, 600);
  view.show();
  int t = 0;
  std::vector<std::vector<ProcInfo>> ticks;
  for (int i = 0; i < 8; ++i) ticks.push_back(procsAt(i));
  model.update(ticks[0]);
  QApplication::processEvents();
  for (auto _ : state) {
    model.update(ticks[std::size_t(++t % 8)]);
    view.viewport()->repaint();  // the frame the update causes
  }
}
BENCHMARK(tableUpdate)->Unit(benchmark::kMillisecond);

void resetBaseline(benchmark::State& state) {
  QStringListModel model;
  QListView view;
  view.setModel(&model);
  view.setUniformItemSizes(true);
  view.resize(900, 600);
  view.show();
  int t = 0;
  std::vector<QStringList> ticks;
  for (int i = 0; i < 8; ++i) {
    QStringList rows;
    for (const auto& p : procsAt(i)) rows << QString::fromStdString(p.name) + QString::number(p.cpu, 'f', 1);
    ticks.push_back(rows);
  }
  for (auto _ : state) {
    model.setStringList(ticks[std::size_t(++t % 8)]);
    view.viewport()->repaint();
  }
}
BENCHMARK(resetBaseline)->Unit(benchmark::kMillisecond);

}  // namespace

// The application lives in main, so it is gone before the program's statics are.
int main(int argc, char** argv) {
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
