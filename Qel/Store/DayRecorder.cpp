#include "Qel/Store/DayRecorder.hpp"

namespace qel {

DayBucket foldSample(const std::optional<DayBucket>& bucket, double cpu, double mem, double pressure,
                     const std::vector<ProcInfo>& procs) {
  DayBucket b = bucket.value_or(DayBucket{});
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
  b.count += 1;
  return b;
}

}  // namespace qel
