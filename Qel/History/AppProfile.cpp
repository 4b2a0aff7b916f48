#include "Qel/History/AppProfile.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>

namespace qel {
namespace {

struct DaySums {
  double mem = 0;
  double samples = 0;
  std::string version;
};

double meanMem(std::vector<AppProfile::Day>::const_iterator from, std::vector<AppProfile::Day>::const_iterator to) {
  double sum = 0;
  for (auto it = from; it != to; ++it) sum += it->mem;
  return sum / double(to - from);
}

std::optional<AppProfile::Change> versionChange(const std::vector<AppProfile::Day>& days) {
  const std::size_t n = days.size();
  std::size_t j = n;
  for (std::size_t k = n; k-- > 1;) {
    const auto &now = days[k].version, &before = days[k - 1].version;
    if (!now.empty() && !before.empty() && now != before) {
      j = k;
      break;
    }
  }
  if (j == n) return std::nullopt;
  const std::size_t from = j >= 7 ? j - 7 : 0;
  // Two days on each side at least: one day says nothing about an app's usual memory.
  if (j - from < 2 || n - j < 2) return std::nullopt;
  const double b = meanMem(days.begin() + std::ptrdiff_t(from), days.begin() + std::ptrdiff_t(j));
  const double a = meanMem(days.begin() + std::ptrdiff_t(j), days.end());
  if (!(b > 0)) return std::nullopt;
  const double percent = std::trunc((a / b - 1.0) * 100.0);
  if (!std::isfinite(percent) || std::fabs(percent) > 2.0e9) return std::nullopt;
  return AppProfile::Change{.version = days[j].version, .day = days[j].day, .percent = int(percent)};
}

}  // namespace

AppProfile AppProfile::build(const std::vector<AppHour>& rows, double totalEnergy) {
  AppProfile profile;
  if (rows.empty()) return profile;

  std::map<std::string, DaySums> perDay;
  std::array<double, 24> hourly{};
  double samples = 0, cpu = 0, mem = 0, energy = 0;
  for (const auto& r : rows) {
    DaySums& d = perDay[r.day];
    d.mem += r.mem;
    d.samples += r.samples;
    if (!r.version.empty()) d.version = r.version;
    if (r.hour >= 0 && r.hour <= 23) hourly[std::size_t(r.hour)] += r.cpu;
    samples += r.samples;
    cpu += r.cpu;
    mem += r.mem;
    energy += r.energy;
  }

  for (const auto& [day, d] : perDay)
    if (d.samples >= 1) profile.days.push_back({.day = day, .mem = d.mem / d.samples, .version = d.version});
  if (samples > 0) {
    profile.avgCPU = cpu / samples * 100.0;
    profile.avgMem = mem / samples;
  }
  if (totalEnergy > 0) profile.energyShare = std::min(energy / totalEnergy, 1.0);

  const double peak = *std::max_element(hourly.begin(), hourly.end());
  if (peak > 0) {
    const int p = int(std::max_element(hourly.begin(), hourly.end()) - hourly.begin());  // the first of equals
    int second = -1;
    for (int h = 0; h < 24; ++h) {
      profile.hours[std::size_t(h)] = hourly[std::size_t(h)] / peak;
      // No wrap at midnight: 23 and 1 are 22 hours apart.
      if (std::abs(h - p) < 3 || !(hourly[std::size_t(h)] >= 0.6 * peak)) continue;
      if (second < 0 || hourly[std::size_t(h)] > hourly[std::size_t(second)]) second = h;
    }
    profile.busiest = {p};
    if (second >= 0) profile.busiest = {std::min(p, second), std::max(p, second)};
  }

  profile.change = versionChange(profile.days);
  return profile;
}

}  // namespace qel
