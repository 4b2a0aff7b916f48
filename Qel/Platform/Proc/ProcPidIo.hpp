#pragma once
// /proc/[pid]/io: "key: value" lines of the process's I/O counters. Only the owner (or root)
// may read it.
#include <cstdint>
#include <optional>
#include <string_view>

namespace qel {

struct PidIo {
  std::uint64_t readBytes = 0;   // bytes fetched from storage
  std::uint64_t writeBytes = 0;  // bytes sent towards storage
  bool operator==(const PidIo&) const = default;
};

// Absent when neither storage counter is in the text; a counter missing or out of range is 0.
std::optional<PidIo> parsePidIo(std::string_view text);

}  // namespace qel
