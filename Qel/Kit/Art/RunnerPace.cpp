#include "Qel/Kit/Art/RunnerPace.hpp"

#include <algorithm>
#include <cmath>

namespace qel {

float runnerSpeed(double cpu) {
  if (!(cpu > 0)) return 0.25f;
  return float(0.25 + 1.75 * std::min(cpu, 1.0));
}

void RunnerClock::restart(std::size_t steps, float speed, double now) {
  steps_ = std::max<std::size_t>(steps, 1);
  speed_ = speed > 0 ? speed : 0.25f;
  anchorTime_ = now;
  anchorPhase_ = 0;
}

bool RunnerClock::setSpeed(float speed, double now) {
  if (!(speed > 0) || speed == speed_) return false;
  anchorPhase_ = phase(now);
  anchorTime_ = now;
  speed_ = speed;
  return true;
}

double RunnerClock::phase(double now) const {
  const double elapsed = std::max(0.0, now - anchorTime_);
  // Kept within one run of the sequence, so it never grows without bound.
  return std::fmod(anchorPhase_ + elapsed * speed_ / kFrameSeconds, double(steps_));
}

std::size_t RunnerClock::step(double now) const {
  return std::min(std::size_t(std::floor(phase(now))), steps_ - 1);
}

double RunnerClock::untilNextStep(double now) const {
  const double p = phase(now);
  const double left = std::floor(p) + 1 - p;
  return left * kFrameSeconds / speed_;
}

}  // namespace qel
