#pragma once
// The ring drawn around a control that holds the keyboard focus, the same on every control.
#include <QRectF>

class QPainter;

namespace qel {

// Strokes the focus ring just inside `box`, its corners rounded by `radius`.
void paintFocusRing(QPainter& painter, const QRectF& box, double radius);

}  // namespace qel
