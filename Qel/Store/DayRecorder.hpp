#pragma once
// Folding one tick into a ten-minute slot.
#include <optional>
#include <vector>

#include "Qel/History/DayBucket.hpp"
#include "Qel/Samplers/ProcInfo.hpp"

namespace qel {

// The slot's bucket after one more sample: running means, and the peak with the busiest
// process when the peak is reached or raised (the first busiest on a tie; with no processes
// the previous top stays).
DayBucket foldSample(const std::optional<DayBucket>& bucket, double cpu, double mem, double pressure,
                     const std::vector<ProcInfo>& procs);

}  // namespace qel
