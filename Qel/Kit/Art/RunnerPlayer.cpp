#include "Qel/Kit/Art/RunnerPlayer.hpp"

#include <cmath>

#include "Qel/Kit/Art/MenuIcons.hpp"
#include "Qel/Kit/Art/RunnerArt.hpp"

namespace qel {

RunnerPlayer::RunnerPlayer(Show show, QObject* parent) : QObject(parent), show_(std::move(show)) {
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, &RunnerPlayer::showStep);
  elapsed_.start();
}

double RunnerPlayer::now() const { return double(elapsed_.nsecsElapsed()) / 1e9; }

void RunnerPlayer::sync(std::optional<MenuIconStyle> style, double cpu, QColor ink, double dpr) {
  if (!style || !isRunner(*style)) {
    stop();
    return;
  }
  const float speed = runnerSpeed(cpu);
  const bool recolour = ink != ink_ || dpr != dpr_;
  ink_ = ink;
  dpr_ = dpr;
  if (recolour || style != style_) drawn_.clear();
  if (style != style_) {
    style_ = style;
    clock_.restart(runnerOrder(*style).size(), speed, now());
    shownFrame_ = -1;
    showStep();
    return;
  }
  if (recolour) shownFrame_ = -1;
  if (clock_.setSpeed(speed, now()) || recolour) showStep();
}

void RunnerPlayer::stop() {
  timer_.stop();
  style_.reset();
  shownFrame_ = -1;
  drawn_.clear();
}

int RunnerPlayer::frame() const {
  if (!style_) return -1;
  const auto order = runnerOrder(*style_);
  return order.empty() ? -1 : order[clock_.step(now()) % order.size()];
}

void RunnerPlayer::showStep() {
  if (!style_) return;
  const double t = now();
  const int f = frame();
  if (f != shownFrame_) {
    shownFrame_ = f;
    if (show_ && f < 0) {
      show_(runnerFrame(*style_, f, ink_, dpr_));
    } else if (show_) {
      if (std::size_t(f) >= drawn_.size()) drawn_.resize(std::size_t(f) + 1);
      QImage& image = drawn_[std::size_t(f)];
      if (image.isNull()) image = runnerFrame(*style_, f, ink_, dpr_);
      show_(image);
    }
  }
  // Just past the next step's start, so the step has surely changed when the timer fires.
  timer_.start(int(std::ceil(clock_.untilNextStep(t) * 1000)) + 1);
}

}  // namespace qel
