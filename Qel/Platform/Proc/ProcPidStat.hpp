#pragma once
// /proc/[pid]/stat: one line, the process name in parentheses, then space-separated fields.
// The name may hold anything, ")" and spaces included, so the fields start after the last ")".
#include <cstdint>
#include <optional>
#include <string_view>

namespace qel {

inline constexpr std::uint32_t kKernelThreadFlag = 0x00200000;  // PF_KTHREAD

struct PidStat {
  std::int32_t pid = 0;   // as the file itself says: a kept file is checked against it
  std::string_view comm;  // points into the parsed text
  char state = '?';
  std::int32_t ppid = 0;
  std::uint32_t flags = 0;
  std::uint64_t faults = 0;     // minor plus major page faults of the process's own
  std::uint64_t utime = 0;      // clock ticks
  std::uint64_t stime = 0;      // clock ticks
  std::uint64_t startTime = 0;  // clock ticks after boot: with the pid, the process's identity
  std::uint64_t rss = 0;        // resident pages
  bool operator==(const PidStat&) const = default;

  bool isKernelThread() const { return (flags & kKernelThreadFlag) != 0; }
};

// Absent when the text is not a stat line (no pid before the parentheses, too few fields, a
// field that is not a number or does not fit).
std::optional<PidStat> parsePidStat(std::string_view text);

// The process's thread count from the same line (field 20); 0 when it can't be read. Apart from
// parsePidStat because only a process that ran needs it: no thread starts or ends without running.
std::int64_t parsePidStatThreads(std::string_view text);

}  // namespace qel
