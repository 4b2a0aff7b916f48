#pragma once
// Signals to other processes, sent only to the very process that was sampled: its start time
// is checked again through a pidfd, so a pid handed to a new process is never hit.
#include <cstdint>

#include "Qel/Platform/SysRoot.hpp"

namespace qel {

// Sends `signal` to the process `pid` that started at `startTime` (clock ticks after boot).
// False when it is gone, is another process now, is pid 1 or lower or this program, or may
// not be signalled.
bool signalProcess(std::int32_t pid, std::uint64_t startTime, int signal, const SysRoot& root = {});

}  // namespace qel
