#include "Qel/History/StretchRecorder.hpp"

#include <algorithm>
#include <cmath>

namespace qel {
namespace {
constexpr std::size_t kMaxPoints = 240;
constexpr std::size_t kTopApps = 4;
double finite(double v) { return std::isfinite(v) ? v : 0.0; }
}  // namespace

void StretchRecorder::record(double cpu, double watts) {
  const double c = finite(cpu);
  seconds += 1;
  cpuSum += c;
  peak = std::max(peak, c);
  joules += finite(watts);
  pendingSum += c;
  pendingCount += 1;
  if (pendingCount < stride) return;
  series.push_back(pendingSum / pendingCount);
  pendingSum = 0;
  pendingCount = 0;
  if (series.size() < kMaxPoints) return;
  std::vector<double> halved;
  halved.reserve(series.size() / 2);
  for (std::size_t i = 0; i + 1 < series.size(); i += 2) halved.push_back((series[i] + series[i + 1]) / 2);
  series = std::move(halved);
  stride *= 2;
}

void StretchRecorder::addApp(const std::string& name, double cpu) { perApp[name] += finite(cpu); }

Stretch StretchRecorder::finish(Date end) const {
  const double average = cpuSum / std::max(seconds, 1);
  double total = 0;
  for (const auto& [name, value] : perApp) total += value;
  std::vector<std::pair<std::string, double>> apps(perApp.begin(), perApp.end());
  std::stable_sort(apps.begin(), apps.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
  if (apps.size() > kTopApps) apps.resize(kTopApps);
  std::vector<StretchApp> top;
  for (auto& [name, value] : apps) top.push_back({name, total > 0 ? value / total : 0.0});
  return Stretch{.start = start,
                 .end = end,
                 .peak = peak,
                 .average = average,
                 .wattHours = joules / 3600.0,
                 .top = std::move(top),
                 .series = series.size() < 2 ? std::vector<double>{average, average} : series};
}

}  // namespace qel
