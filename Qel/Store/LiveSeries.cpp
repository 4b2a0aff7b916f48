#include "Qel/Store/LiveSeries.hpp"

#include <algorithm>
#include <set>

namespace qel {

void push(std::vector<double>& history, double value) {
  history.push_back(value);
  if (history.size() > kHistoryLength) history.erase(history.begin(), history.end() - kHistoryLength);
}

void updatePeaks(std::vector<double>& peaks, std::vector<int>& ages, const std::vector<double>& loads) {
  if (peaks.size() != loads.size() || ages.size() != loads.size()) {
    peaks = loads;
    ages.assign(loads.size(), 0);
    return;
  }
  for (std::size_t i = 0; i < loads.size(); ++i) {
    const double l = loads[i];
    if (peaks[i] <= l) {
      peaks[i] = l;
      ages[i] = 0;
    } else if (++ages[i] >= 5) {
      peaks[i] = std::max(peaks[i] - 0.05, l);
    }
  }
}

void recordEnergy(std::map<std::int32_t, std::vector<double>>& series, std::map<std::int32_t, std::string>& names,
                  std::map<std::int32_t, std::uint64_t>& starts, const std::vector<ProcInfo>& procs) {
  std::set<std::int32_t> seen;
  for (const auto& p : procs) {
    auto it = series.find(p.pid);
    if (it != series.end() && starts[p.pid] != p.startTime) {
      // A new process took the pid: the ended one's watts and name are not the newcomer's.
      series.erase(it);
      names.erase(p.pid);
      starts.erase(p.pid);
      it = series.end();
    }
    if (!(p.energy > 0.005) && it == series.end()) continue;
    if (it == series.end()) it = series.emplace(p.pid, std::vector<double>(kHistoryLength, 0.0)).first;
    push(it->second, p.energy);
    names[p.pid] = p.name;
    starts[p.pid] = p.startTime;
    seen.insert(p.pid);
  }
  for (auto it = series.begin(); it != series.end();) {
    if (seen.count(it->first)) {
      ++it;
      continue;
    }
    push(it->second, 0.0);
    if (std::any_of(it->second.begin(), it->second.end(), [](double w) { return w > 0; })) {
      ++it;
    } else {
      names.erase(it->first);
      starts.erase(it->first);
      it = series.erase(it);
    }
  }
}

}  // namespace qel
