#pragma once
// Who may be ended for a listed port. The listing names a pid and a command, but a pid is only
// an address: the listed process may end and its number go to another one before the click.
// So the process running under the pid now must be the one the last sample saw (same start
// time), run the listed command, and have been running already when the listing was read.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "Qel/Platform/Proc/SysRoot.hpp"
#include "Qel/Samplers/PortEntry.hpp"
#include "Qel/Samplers/ProcInfo.hpp"

namespace qel {

// Whether the listed command names a process whose kernel command name is `comm`: the same
// name, or its beginning where the listing cut it short. An empty name matches nothing.
bool commandMatches(std::string_view listed, std::string_view comm);

// The process running under a pid right now, as the kernel names and dates it.
struct RunningProcess {
  std::string comm;
  std::uint64_t startTime = 0;  // clock ticks after boot
  bool operator==(const RunningProcess&) const = default;
};
std::optional<RunningProcess> readRunningProcess(std::int32_t pid, const SysRoot& root);

// Clock ticks after boot now, on the scale of process start times.
std::uint64_t bootTicksNow();

// The pid that End may signal for `entry`, given the sampled process with its pid, the process
// running there now and when (boot ticks) the listing arrived. None for a pid below 2, a
// system or unsampled process, another process under the pid now, another command, or one
// started after the listing.
std::optional<std::int32_t> portEndTarget(const PortEntry& entry, const std::optional<ProcInfo>& sampled,
                                          const std::optional<RunningProcess>& now, std::uint64_t listedAt);

}  // namespace qel
