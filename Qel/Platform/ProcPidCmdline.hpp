#pragma once
// /proc/[pid]/cmdline: the arguments a process was started with, each ended by a NUL.
#include <string_view>

namespace qel {

// The value of the first "--type=" argument, with which Chromium-based browsers and Electron
// apps start their helper processes ("renderer", "gpu-process", "utility"); empty without one.
// Points into `cmdline`.
std::string_view chromiumChildType(std::string_view cmdline);

}  // namespace qel
