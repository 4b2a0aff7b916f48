#pragma once
// The pages' short lists of processes: those over a threshold, largest figure first, equal
// figures in the sample's order, cut to a few rows.
#include <cstddef>
#include <functional>
#include <vector>

#include "Qel/Samplers/ProcInfo.hpp"

namespace qel {

// `procs` with `figure` at least `threshold` (every one when it is not finite), sorted stably by
// it, largest first, at most `count`. A figure that is not a number sorts as 0.
std::vector<ProcInfo> topProcs(const std::vector<ProcInfo>& procs, const std::function<double(const ProcInfo&)>& figure,
                               double threshold, std::size_t count);

}  // namespace qel
