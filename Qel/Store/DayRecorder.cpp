#include "Qel/Store/DayRecorder.hpp"

#include <climits>

namespace qel {

DayBucket foldSample(const std::optional<DayBucket>& bucket, double cpu, double mem, double pressure,
                     const std::vector<ProcInfo>& procs) {
  DayBucket b = bucket.value_or(DayBucket{});
  // A count read back out of range (a damaged file) starts afresh below 0 and stops growing at the top.
  if (b.count < 0) b.count = 0;
  const double n = b.count;
  if (b.peak <= cpu) {
    b.peak = cpu;
    const ProcInfo* busiest = nullptr;
    for (const auto& p : procs)
      if (!busiest || p.cpu > busiest->cpu) busiest = &p;
    if (busiest) {
      b.top = busiest->name;
      b.topCPU = busiest->cpu;
    }
  }
  b.cpu = (b.cpu * n + cpu) / (n + 1);
  b.mem = (b.mem * n + mem) / (n + 1);
  b.pressure = (b.pressure * n + pressure) / (n + 1);
  if (b.count < INT_MAX) b.count += 1;
  return b;
}

}  // namespace qel
