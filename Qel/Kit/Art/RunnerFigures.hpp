#pragma once
// Our own drawings of the eight runners, one function per figure, each frame in a box of the
// runner's width × 18 logical pixels (y downwards), in one colour.
#include <QColor>

#include "Qel/Store/Enums.hpp"

class QPainter;

namespace qel {

void paintRunner(QPainter& painter, MenuIconStyle style, int frame, QColor ink);

}  // namespace qel
