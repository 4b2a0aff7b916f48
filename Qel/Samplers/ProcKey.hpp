#pragma once
// A process's identity: its pid and its start time. A pid alone is only an address, which a new
// process may take once the old one ended; with the start time it names one process for good.
#include <cstdint>
#include <optional>
#include <vector>

#include "Qel/Samplers/ProcInfo.hpp"

namespace qel {

struct ProcKey {
  std::int32_t pid = 0;
  std::uint64_t startTime = 0;
  bool operator==(const ProcKey&) const = default;
};

inline ProcKey keyOf(const ProcInfo& proc) { return {proc.pid, proc.startTime}; }

// The process `key` names in `procs`, when it is still there.
inline std::optional<ProcInfo> findProc(const ProcKey& key, const std::vector<ProcInfo>& procs) {
  for (const auto& p : procs)
    if (keyOf(p) == key) return p;
  return std::nullopt;
}

}  // namespace qel
