#pragma once
// The timing of the window's animations: the two easing curves in use and their durations.
// Tests switch the motion off, so every animation lands on its end value at once.
#include <QEasingCurve>

#include <cstdint>

namespace qel::Motion {

// Starts slowly, speeds up, ends slowly.
QEasingCurve easeInOut();
// Starts fast and slows to its end.
QEasingCurve easeOut();

// `ms` while motion is on, else 0.
int duration(int ms);
void setEnabled(bool on);

// A value eased in and out from `from` to `to` over `ms` milliseconds from `start`, on the clock
// of the window's animations.
struct Tween {
  double from = 0;
  double to = 0;
  std::int64_t start = 0;
  int ms = 0;

  double at(std::int64_t now) const;
  bool runs(std::int64_t now) const { return now < start + ms; }
};

}  // namespace qel::Motion
