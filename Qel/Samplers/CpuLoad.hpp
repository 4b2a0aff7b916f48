#pragma once
// Load between two readings of the per-processor tick counters.
#include <optional>
#include <vector>

#include "Qel/Platform/Proc/ProcStat.hpp"
#include "Qel/Samplers/Samples.hpp"

namespace qel {

// Absent when the processors differ between the readings (one went offline or came online).
// A counter that went backwards adds nothing for that interval; a processor whose counters did
// not move has a load of 0.
std::optional<CPUSample> cpuLoad(const std::vector<CpuTicks>& before, const std::vector<CpuTicks>& after);

}  // namespace qel
