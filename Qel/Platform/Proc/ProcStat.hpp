#pragma once
// Per-processor tick counters from /proc/stat, folded into the states the load maths uses:
// user, nice, system (system + irq + softirq, as top and mpstat count it), steal and idle
// (idle + iowait). Guest time is already inside user and nice. idle and iowait are summed before
// any difference is taken: the kernel moves time between the two, so only their sum only ever
// grows. Steal is the time a hypervisor gave this machine's processor to another machine while
// it had work to run: neither the user's nor the system's, and not idle either.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Qel/Platform/Proc/SysRoot.hpp"

namespace qel {

struct CpuTicks {
  unsigned cpu{};  // the processor's number ("cpu3" → 3); offline processors have no line
  std::uint64_t user{}, nice{}, system{}, steal{}, idle{};
  bool operator==(const CpuTicks&) const = default;
};

// The "cpuN" lines in file order; malformed lines are left out.
std::vector<CpuTicks> parseProcStat(std::string_view text);

// /proc/stat kept open and re-read on every call.
class ProcStat {
 public:
  explicit ProcStat(const SysRoot& root);
  // Absent when the file can't be read or holds no processor line.
  std::optional<std::vector<CpuTicks>> read();

 private:
  KeptFile file_;
  std::string buffer_;
};

}  // namespace qel
