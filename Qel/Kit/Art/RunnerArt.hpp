#pragma once
// The eight runners' frames: how wide each is, in which order its frames are shown, and the
// pictures themselves (drawn by RunnerFigures).
#include <QColor>
#include <QImage>

#include <span>

#include "Qel/Store/Enums.hpp"

namespace qel {

// Logical width of a runner's frames (all are 18 high); 18 for the drawn styles.
double runnerWidth(MenuIconStyle style);
// The frames in the order they are shown; empty for the drawn styles.
std::span<const int> runnerOrder(MenuIconStyle style);
// How many different frames a runner has (5 or 10; 0 for the drawn styles).
int runnerFrameCount(MenuIconStyle style);
// Frame `frame` (0-based, as stored; out of range gives an empty picture) in `ink`.
QImage runnerFrame(MenuIconStyle style, int frame, QColor ink, double dpr);

}  // namespace qel
