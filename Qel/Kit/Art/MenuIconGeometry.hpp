#pragma once
// The shapes of the drawn tray icons, in an 18 × 18 square with y growing downwards. Pure, so
// each recipe is checked by numbers; MenuIcons only strokes and fills them.
#include <QLineF>
#include <QPointF>
#include <QRectF>

#include <span>
#include <vector>

namespace qel {

inline constexpr double kMenuIconSide = 18;

// Twenty spokes clockwise from twelve o'clock, oldest first, over the last 20 loads; a spoke
// without a value (short history) or with none above 0 is a 1.5-long stub.
std::vector<QLineF> ringSpokes(std::span<const double> history);
// Nine bars over the last 9 loads, oldest on the left; missing bars on the right are stubs.
std::vector<QRectF> barRects(std::span<const double> history);
// The line through the last 20 loads; empty for fewer than two.
std::vector<QPointF> wavePoints(std::span<const double> history);

struct Gauge {
  QPointF centre;
  double radius;
  double startDegrees;  // counter-clockwise from three o'clock, as QPainterPath::arcTo takes it
  double trackSweep;    // negative: clockwise
  double valueSweep;
  QRectF hub;
};
Gauge gaugeShape(double load);

struct Dot {
  QPointF centre;
  double ringDiameter;
  double discRadius;
};
Dot dotShape(double load);

}  // namespace qel
