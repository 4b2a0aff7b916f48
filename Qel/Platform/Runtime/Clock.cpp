#include "Qel/Platform/Runtime/Clock.hpp"

namespace qel {

const SystemClock& SystemClock::shared() {
  static const SystemClock clock;
  return clock;
}

}  // namespace qel
