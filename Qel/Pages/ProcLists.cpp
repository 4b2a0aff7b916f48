#include "Qel/Pages/ProcLists.hpp"

#include <algorithm>
#include <cmath>

namespace qel {

std::vector<ProcInfo> topProcs(const std::vector<ProcInfo>& procs, const std::function<double(const ProcInfo&)>& figure,
                               double threshold, std::size_t count) {
  struct Entry {
    double value;
    const ProcInfo* proc;
  };
  std::vector<Entry> kept;
  for (const auto& proc : procs) {
    double v = figure(proc);
    if (std::isnan(v)) v = 0;
    if (!std::isfinite(threshold) || v >= threshold) kept.push_back({v, &proc});
  }
  // Stable: many processes share a figure (idle ones at 0), and their order must not shuffle.
  std::stable_sort(kept.begin(), kept.end(), [](const Entry& a, const Entry& b) { return a.value > b.value; });
  std::vector<ProcInfo> out;
  for (std::size_t i = 0; i < kept.size() && i < count; ++i) out.push_back(*kept[i].proc);
  return out;
}

}  // namespace qel
