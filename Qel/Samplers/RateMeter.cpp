#include "Qel/Samplers/RateMeter.hpp"

#include <algorithm>

#include "Qel/Platform/Proc/ProcText.hpp"

namespace qel {
namespace {
constexpr double kMinInterval = 0.2;
}

CounterRates RateMeter::update(const std::optional<CounterReading>& reading, MonoTime now) {
  if (!reading) return {};
  CounterRates out;
  if (lastTime_) {
    double first = 0, second = 0;
    for (const auto& [name, counters] : *reading) {
      const auto before = last_.find(name);
      if (before == last_.end()) continue;
      first += double(saturatingSub(counters.first, before->second.first));
      second += double(saturatingSub(counters.second, before->second.second));
    }
    const double dt = std::max(Seconds(now - *lastTime_).count(), kMinInterval);
    out = {first / dt, second / dt};
  }
  last_ = *reading;
  lastTime_ = now;
  return out;
}

}  // namespace qel
