#include "Qel/Platform/Runtime/Clock.hpp"

#include <time.h>

namespace qel {

const SystemClock& SystemClock::shared() {
  static const SystemClock clock;
  return clock;
}

Seconds SystemClock::sinceBoot() const {
  timespec t{};
  // Without a boot clock the monotonic one stands in: it only misses the sleeps.
  if (clock_gettime(CLOCK_BOOTTIME, &t) != 0) return monotonic().time_since_epoch();
  return Seconds(double(t.tv_sec) + double(t.tv_nsec) * 1e-9);
}

}  // namespace qel
