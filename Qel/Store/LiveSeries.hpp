#pragma once
// The pure rules behind the live views: sixty-second histories, held core peaks and the
// per-process power series.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "Qel/Samplers/ProcInfo.hpp"

namespace qel {

constexpr std::size_t kHistoryLength = 60;

// Appends and keeps the newest sixty values.
void push(std::vector<double>& history, double value);

// A peak holds for four ticks, then falls by 0.05 a tick, never below the current load. A
// change in the number of cores restarts peaks and ages from the loads.
void updatePeaks(std::vector<double>& peaks, std::vector<int>& ages, const std::vector<double>& loads);

// Sixty-second power series per pid: a process enters when it draws more than 0.005 W and
// leaves once its whole series is zero after it stopped being listed. `starts` holds each
// series' process start time: a pid that a new process took starts a series of its own.
void recordEnergy(std::map<std::int32_t, std::vector<double>>& series, std::map<std::int32_t, std::string>& names,
                  std::map<std::int32_t, std::uint64_t>& starts, const std::vector<ProcInfo>& procs);

}  // namespace qel
