#pragma once
// Per-process network rates and totals: cumulative bytes per process (TCP, from the kernel's
// socket counters) turned into rates between two runs.
#include <cstdint>
#include <functional>
#include <map>
#include <optional>

#include "Qel/Platform/Net/ProcessTraffic.hpp"
#include "Qel/Platform/Runtime/Clock.hpp"

namespace qel {

struct NetUse {
  double down = 0;          // bytes per second received
  double up = 0;            // bytes per second sent
  std::uint64_t total = 0;  // bytes received plus sent, as counted so far
  bool operator==(const NetUse&) const = default;
};

class NetTopSampler {
 public:
  // Cumulative bytes per process; absent when they can't be had.
  using Source = std::function<std::optional<std::map<std::int32_t, ProcessBytes>>()>;

  NetTopSampler();  // the machine's TCP sockets, traffic within the machine left out
  explicit NetTopSampler(Source source, const Clock& clock = SystemClock::shared());

  // One entry per process with counted traffic (none at all when no process of the user has a
  // connection). The first run has rates of 0; a failed run returns nothing (not an empty map)
  // and changes nothing, so the next one measures from the last good one.
  std::optional<std::map<std::int32_t, NetUse>> sample();

 private:
  Source source_;
  const Clock& clock_;
  std::map<std::int32_t, ProcessBytes> last_;
  MonoTime lastTime_;
};

}  // namespace qel
