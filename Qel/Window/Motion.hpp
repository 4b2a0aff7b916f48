#pragma once
// The timing of the window's animations: the two easing curves in use and their durations.
// Tests switch the motion off, so every animation lands on its end value at once.
#include <QEasingCurve>

namespace qel::Motion {

// Starts slowly, speeds up, ends slowly.
QEasingCurve easeInOut();
// Starts fast and slows to its end.
QEasingCurve easeOut();

// `ms` while motion is on, else 0.
int duration(int ms);
void setEnabled(bool on);

}  // namespace qel::Motion
