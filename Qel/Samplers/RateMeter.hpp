#pragma once
// Turns readings of cumulative per-device counters into whole-machine rates. Differences are
// taken per device, so a device that goes away and comes back (its counters reset, or a new
// device under its name) only records on its return; a counter that went backwards gives 0 for
// that interval. A failed reading gives 0 and keeps the previous counters and time, so the next
// good reading averages over the whole gap instead of spiking. Intervals come from the
// monotonic clock and are floored at 0.2 s.
#include <optional>

#include "Qel/Platform/Proc/CounterReading.hpp"
#include "Qel/Platform/Runtime/Clock.hpp"

namespace qel {

struct CounterRates {
  double first{}, second{};  // per second
  bool operator==(const CounterRates&) const = default;
};

class RateMeter {
 public:
  // The first good reading only records: rates 0.
  CounterRates update(const std::optional<CounterReading>& reading, MonoTime now);

 private:
  std::optional<MonoTime> lastTime_;
  CounterReading last_;
};

}  // namespace qel
