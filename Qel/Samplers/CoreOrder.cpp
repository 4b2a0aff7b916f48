#include "Qel/Samplers/CoreOrder.hpp"

#include <algorithm>
#include <cmath>

namespace qel {

CoreOrder coreOrder(std::span<const double> perCore, std::span<const double> peaks, const ChipInfo& chip) {
  CoreOrder order;
  order.efficiencyCores = chip.efficiencyCores;
  for (int i : efficiencyFirst(int(perCore.size()), chip.efficiencyCpus)) {
    const std::size_t at = std::size_t(i);
    order.loads.push_back(perCore[at]);
    order.peaks.push_back(at < peaks.size() ? peaks[at] : perCore[at]);
  }
  order.groups = coreGroups(order.loads, chip.efficiencyCores);
  return order;
}

std::vector<int> efficiencyFirst(int count, std::span<const unsigned> efficiencyCpus) {
  std::vector<int> order;
  if (count <= 0) return order;
  std::vector<bool> efficient(std::size_t(count), false);
  bool fits = !efficiencyCpus.empty();
  for (unsigned cpu : efficiencyCpus) {
    if (cpu >= unsigned(count) || efficient[cpu]) {
      fits = false;
      break;
    }
    efficient[cpu] = true;
  }
  order.reserve(std::size_t(count));
  for (int pass = 0; pass < 2; ++pass)
    for (int i = 0; i < count; ++i)
      if (!fits ? pass == 0 : efficient[std::size_t(i)] == (pass == 0)) order.push_back(i);
  return order;
}

CoreGroups coreGroups(std::span<const double> loads, int efficiencyCores) {
  const std::size_t n = loads.size();
  const std::size_t e = std::min(n, std::size_t(std::max(efficiencyCores, 0)));
  const auto mean = [](std::span<const double> part) {
    if (part.empty()) return 0.0;
    double sum = 0;
    for (double v : part) sum += std::isfinite(v) ? v : 0.0;
    return sum / double(part.size());
  };
  return {mean(loads.subspan(e)), mean(loads.first(e))};
}

}  // namespace qel
