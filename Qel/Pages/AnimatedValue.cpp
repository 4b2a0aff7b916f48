#include "Qel/Pages/AnimatedValue.hpp"

#include <cmath>

#include "Qel/Kit/Style/Motion.hpp"

namespace qel {

AnimatedValue::AnimatedValue(QWidget* owner, int ms, std::function<void()> frame)
    : QObject(owner), owner_(owner), ms_(ms), frame_(std::move(frame)), frames_([this] { step(); }) {}

void AnimatedValue::setTarget(double target) {
  if (!std::isfinite(target)) target = 0;
  if (target == to_ && (running() || value_ == target)) return;
  // Changes too small to see don't count as moving either.
  if (pixelsPerUnit_ > 0 && std::abs(target - value_) * pixelsPerUnit_ < 0.5) {
    jumpTo(target);
    return;
  }
  const std::int64_t now = FrameTimer::now();
  const bool moving = now - changedAt_ < kStillMs;
  changedAt_ = now;
  const int ms = Motion::duration(ms_);
  if (ms <= 0 || moving || !owner_ || !owner_->isVisible()) {
    jumpTo(target);
    return;
  }
  from_ = value_;
  to_ = target;
  start_ = now;
  if (!running()) frames_.startNextFrame();
}

void AnimatedValue::jumpTo(double value) {
  if (!std::isfinite(value)) value = 0;
  frames_.stop();
  const bool changed = value != value_;
  from_ = to_ = value_ = value;
  if (changed && frame_) frame_();
}

void AnimatedValue::step() {
  const int ms = Motion::duration(ms_);
  const double t = ms > 0 ? double(FrameTimer::now() - start_) / ms : 1.0;
  if (t >= 1 || !owner_ || !owner_->isVisible()) {
    jumpTo(to_);
    return;
  }
  value_ = from_ + (to_ - from_) * Motion::easeOut().valueForProgress(t);
  // An ease-out's last frames move the drawing by less than half a pixel: they would show
  // nothing, so the value lands now.
  if (pixelsPerUnit_ > 0 && std::abs(to_ - value_) * pixelsPerUnit_ < 0.5) {
    jumpTo(to_);
    return;
  }
  frames_.startNextFrame();
  if (frame_) frame_();
}

}  // namespace qel
