#pragma once
// How fast a runner runs: a frame lasts 2 s on an idle machine and 0.25 s at full load. The clock
// keeps the figure on its current frame (and how far into it) when the pace changes, so the
// once-a-second sync never makes it jump or start over.
#include <cstddef>

namespace qel {

// 0.25 at no load, 2.0 at full load (and above), linear between; single precision, so a load
// that gives the same speed as before changes nothing.
float runnerSpeed(double cpu);

class RunnerClock {
 public:
  // A frame lasts this long at speed 1.
  static constexpr double kFrameSeconds = 0.5;

  // Starts at the first step of a sequence of `steps` at time `now` (seconds, any origin).
  void restart(std::size_t steps, float speed, double now);
  // Changes the pace at `now`, keeping the step shown. False when the speed is unchanged.
  bool setSpeed(float speed, double now);
  float speed() const { return speed_; }

  // The step of the sequence shown at `now`.
  std::size_t step(double now) const;
  // Seconds from `now` until the next step begins.
  double untilNextStep(double now) const;

 private:
  double phase(double now) const;

  std::size_t steps_ = 1;
  float speed_ = 0.25f;
  double anchorTime_ = 0;
  double anchorPhase_ = 0;  // in steps
};

}  // namespace qel
