#pragma once
// The drawing helpers every chart of the pages shares. Chart angles are radians on screen: 0
// points right and they grow clockwise, so −π/2 is twelve o'clock. Qt's arcs count degrees
// counter-clockwise from three o'clock; `qtDegrees` is the one place that converts.
#include <QFont>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>

class QPainter;

namespace qel::Chart {

constexpr double kPi = 3.14159265358979323846;

// Qt's arc angle for a chart angle.
double qtDegrees(double radians);

// The point `radius` from `centre` in the direction `angle`.
QPointF polar(QPointF centre, double radius, double angle);

// The ring segment between the radii `inner` and `outer` from angle `from` to `to`: the outer
// arc from → to, the inner arc back, closed. Empty when the ring has no thickness, a radius is
// not above zero, or a value is not finite.
QPainterPath ringSegment(QPointF centre, double inner, double outer, double from, double to);

// An open arc of `radius` from `from` to `to`, for stroking; empty under the same conditions.
QPainterPath arc(QPointF centre, double radius, double from, double to);

// Where a text of `size` goes when `anchor` names which of its points sits at `at`: the left,
// right or horizontal centre, and the top, bottom or vertical centre (centre where unsaid).
QRectF anchoredRect(QSizeF size, QPointF at, Qt::Alignment anchor);

// Draws `text` in the painter's pen anchored at `at`. When `inside` is valid the text is moved
// into it (whole, where it fits), so a label near the edge is never cut.
void drawText(QPainter& painter, const QString& text, const QFont& font, QPointF at, Qt::Alignment anchor,
              QRectF inside = {});

}  // namespace qel::Chart
