#include "Qel/History/RuntimeForecast.hpp"

#include <algorithm>
#include <cmath>

#include "Qel/Platform/Desktop/AppRegistry.hpp"
#include "Qel/Platform/Desktop/SessionProcesses.hpp"
#include "Qel/Text/Format.hpp"

namespace qel {
namespace {

struct Use {
  double watts = 0;
  std::int32_t topPid = 0;
  double topWatts = -1;
  std::string path;
  std::string name;
};

// Rounded minutes that fit an int; absurd draws (a battery of a million watt-hours) are capped.
int roundedMinutes(double minutes) {
  if (!std::isfinite(minutes)) return minutes > 0 ? 1'000'000'000 : 0;
  return int(std::llround(std::clamp(minutes, -1.0e9, 1.0e9)));
}

}  // namespace

std::optional<RuntimeForecast> runtimeForecast(const ForecastInput& in) {
  if (!in.battery.present || !in.battery.remainingWh || !(*in.battery.remainingWh > 0)) return std::nullopt;
  const double remainingWh = *in.battery.remainingWh;

  double sum = 0;
  int count = 0;
  for (const double w : in.powerHist)
    if (w > 0 && std::isfinite(w)) {
      sum += w;
      ++count;
    }
  if (count < 10) return std::nullopt;
  const double mean = sum / count;
  if (!(mean >= 0.5)) return std::nullopt;

  std::vector<std::string> order;  // first-seen order keeps the result reproducible
  std::map<std::string, Use> uses;
  for (const auto& p : in.procs) {
    // Only what the user could quit: not the system, the desktop session, Qel or its own commands.
    if (p.isSystem || p.pid == in.ownPID || p.ppid == in.ownPID || isSessionProcess(p.path, p.name)) continue;
    const auto series = in.energyByPid.find(p.pid);
    if (series == in.energyByPid.end() || series->second.empty()) continue;
    double total = 0;
    for (const double w : series->second) total += w;
    const double avg = total / double(series->second.size());
    if (!(avg > 0)) continue;
    const std::string& key = p.appKey.empty() ? p.path : p.appKey;
    if (key.empty()) continue;
    auto [it, fresh] = uses.try_emplace(key);
    if (fresh) order.push_back(key);
    Use& use = it->second;
    use.watts += avg;
    if (avg > use.topWatts) {
      use.topPid = p.pid;
      use.topWatts = avg;
      use.path = p.path;
      use.name = isAppKey(key) && in.appName ? in.appName(key) : p.name;
    }
  }

  const double minutesNow = remainingWh / mean * 60.0;
  RuntimeForecast forecast{.minutes = roundedMinutes(minutesNow), .watts = mean, .gains = {}};
  for (const auto& key : order) {
    const Use& use = uses[key];
    // Quitting an app never takes more than 80 % of the draw away: the system itself stays.
    const double saved = std::min(use.watts, 0.8 * mean);
    const int gain = roundedMinutes(remainingWh / (mean - saved) * 60.0 - minutesNow);
    if (gain < 5) continue;
    forecast.gains.push_back(
        {.key = key, .name = use.name, .pid = use.topPid, .path = use.path, .watts = use.watts, .minutes = gain});
  }
  std::stable_sort(forecast.gains.begin(), forecast.gains.end(),
                   [](const RuntimeGain& a, const RuntimeGain& b) { return a.minutes > b.minutes; });
  if (forecast.gains.size() > 3) forecast.gains.resize(3);
  return forecast;
}

std::string fmtRuntime(long long minutes) {
  const long long rounded = (std::clamp(minutes, 0ll, 1ll << 60) + 2) / 5 * 5;
  return fmtDuration(std::max(rounded, 5ll));
}

}  // namespace qel
