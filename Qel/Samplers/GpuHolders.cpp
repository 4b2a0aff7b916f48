#include "Qel/Samplers/GpuHolders.hpp"

namespace qel {

bool mayUseGpu(const ProcInfo& p) { return !p.isSystem && p.energy >= 0.1; }

bool gpuBusy(const std::optional<GPUSample>& gpu) { return gpu && gpu->util >= 0.05; }

std::vector<std::int32_t> gpuCandidates(const std::optional<GPUSample>& gpu, const std::vector<ProcInfo>& procs) {
  std::vector<std::int32_t> pids;
  if (!gpuBusy(gpu)) return pids;
  for (const auto& p : procs)
    if (mayUseGpu(p)) pids.push_back(p.pid);
  return pids;
}

}  // namespace qel
