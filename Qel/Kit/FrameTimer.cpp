#include "Qel/Kit/FrameTimer.hpp"

#include <QElapsedTimer>

#include <algorithm>
#include <vector>

#include "Qel/Kit/Style/Motion.hpp"

namespace qel {
namespace {

struct Clock {
  QElapsedTimer real;
  bool manual = false;
  std::int64_t manualNow = 0;
  std::vector<FrameTimer*> active;

  Clock() { real.start(); }
};

Clock& clock() {
  static Clock c;
  return c;
}

// The first frame boundary at or after `t`. Frames fall on one grid of whole frames counted from
// the clock's start, so views that move at the same time are painted in the same frame instead of
// each on its own phase, which would double the window's paints.
std::int64_t onFrameGrid(std::int64_t t) {
  return (std::max<std::int64_t>(t, 0) + FrameTimer::kFrameMs - 1) / FrameTimer::kFrameMs * FrameTimer::kFrameMs;
}

}  // namespace

FrameTimer::FrameTimer(std::function<void()> fire, QObject* parent) : QObject(parent), fire_(std::move(fire)) {
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);  // a coarse one may come early, past 30 frames a second
  connect(&timer_, &QTimer::timeout, this, &FrameTimer::fire);
}

FrameTimer::~FrameTimer() { stop(); }

std::int64_t FrameTimer::now() { return clock().manual ? clock().manualNow : clock().real.elapsed(); }

int FrameTimer::activeCount() { return int(clock().active.size()); }

void FrameTimer::startAt(std::int64_t when) {
  if (!isActive()) clock().active.push_back(this);
  due_ = onFrameGrid(std::max(when, lastFired_ + kFrameMs));
  if (clock().manual) {
    timer_.stop();
  } else {
    timer_.start(int(std::clamp<std::int64_t>(due_ - now(), 0, 60'000)));
  }
}

void FrameTimer::stop() {
  timer_.stop();
  if (isActive()) std::erase(clock().active, this);
  due_ = -1;
}

void FrameTimer::fire() {
  if (!isActive()) return;
  // The frame it was due in, not the moment it ran: a late call keeps the next on the grid.
  lastFired_ = due_;
  stop();
  fire_();  // may ask for the next frame
}

void FrameTimer::useManualClock(bool on) {
  Clock& c = clock();
  c.manualNow = c.real.elapsed();
  c.manual = on;
  // Timers asked for under one clock are asked again under the other.
  for (FrameTimer* t : std::vector<FrameTimer*>(c.active)) t->startAt(t->due_);
}

void FrameTimer::advance(std::int64_t ms) {
  Clock& c = clock();
  const std::int64_t end = c.manualNow + std::max<std::int64_t>(ms, 0);
  while (true) {
    auto next = std::min_element(c.active.begin(), c.active.end(),
                                 [](FrameTimer* a, FrameTimer* b) { return a->due_ < b->due_; });
    if (next == c.active.end() || (*next)->due_ > end) break;
    c.manualNow = std::max(c.manualNow, (*next)->due_);
    (*next)->fire();
  }
  c.manualNow = end;
}

void FrameTimer::startNextStep() {
  if (Motion::duration(kFrameMs) > 0) {
    startNextFrame();
  } else {
    startAt(now() + 1000);
  }
}

}  // namespace qel
