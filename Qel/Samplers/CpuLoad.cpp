#include "Qel/Samplers/CpuLoad.hpp"

#include "Qel/Platform/Proc/ProcText.hpp"

namespace qel {

std::optional<CPUSample> cpuLoad(const std::vector<CpuTicks>& before, const std::vector<CpuTicks>& after) {
  if (before.size() != after.size()) return std::nullopt;
  CPUSample s;
  s.perCore.reserve(after.size());
  double userSum = 0, systemSum = 0, busySum = 0, allSum = 0;
  for (std::size_t i = 0; i < after.size(); ++i) {
    const auto& a = before[i];
    const auto& b = after[i];
    if (a.cpu != b.cpu) return std::nullopt;
    const double user = double(saturatingSub(b.user, a.user));
    const double nice = double(saturatingSub(b.nice, a.nice));
    const double system = double(saturatingSub(b.system, a.system));
    const double steal = double(saturatingSub(b.steal, a.steal));
    const double idle = double(saturatingSub(b.idle, a.idle));
    // Stolen time is busy: the processor had work and ran none of it, so a virtual machine kept
    // waiting reads full, as top's idle says, while user and system keep what really ran.
    const double busy = user + nice + system + steal;
    const double all = busy + idle;
    s.perCore.push_back(all > 0 ? busy / all : 0);
    userSum += user + nice;
    systemSum += system;
    busySum += busy;
    allSum += all;
  }
  if (allSum > 0) {
    s.total = busySum / allSum;
    s.user = userSum / allSum;
    s.system = systemSum / allSum;
  }
  return s;
}

}  // namespace qel
