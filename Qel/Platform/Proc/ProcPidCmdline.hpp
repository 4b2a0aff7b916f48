#pragma once
// /proc/[pid]/cmdline: the arguments a process was started with, each ended by a NUL.
#include <cstdint>
#include <string>
#include <string_view>

#include "Qel/Platform/Proc/SysRoot.hpp"

namespace qel {

// The value of the first "--type=" argument, with which Chromium-based browsers and Electron
// apps start their helper processes ("renderer", "gpu-process", "utility"); empty without one.
// Points into `cmdline`.
std::string_view chromiumChildType(std::string_view cmdline);

// That kind, read from the arguments of process `pid` while it is still the process that started
// at `startTime`; empty for any other process, or when they can't be read.
std::string readChildType(const SysRoot& root, std::int32_t pid, std::uint64_t startTime);

}  // namespace qel
