#pragma once
// Which processes hold the graphics device open. Finding out lists every candidate's
// /proc/[pid]/fd, too slow for the main thread on a busy machine, and the answer changes
// rarely: the store asks on a queue of its own while the GPU page shows, and only about the
// processes that may be drawing while the GPU works.
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

#include "Qel/Samplers/ProcInfo.hpp"
#include "Qel/Samplers/Samples.hpp"

namespace qel {

// pid → whether it holds the device; absent where that can't be read.
using GpuHolders = std::unordered_map<std::int32_t, std::optional<bool>>;

// A process that may be using the GPU: one of the user's that spends energy.
bool mayUseGpu(const ProcInfo& p);

// The pids worth asking about: none while the GPU is (nearly) idle or reports nothing.
std::vector<std::int32_t> gpuCandidates(const std::optional<GPUSample>& gpu, const std::vector<ProcInfo>& procs);

// Whether the GPU is busy enough for its users to be looked for.
bool gpuBusy(const std::optional<GPUSample>& gpu);

}  // namespace qel
