#pragma once
// Load between two readings of the per-processor tick counters. The total counts every tick
// that was not idle; user and system only their own, so on a virtual machine whose processors
// the host takes away (steal) the two add up to less than the total.
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
