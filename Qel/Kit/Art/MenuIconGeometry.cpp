#include "Qel/Kit/Art/MenuIconGeometry.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace qel {
namespace {

constexpr double kCentre = kMenuIconSide / 2;

// The last `n` values, oldest first.
std::span<const double> last(std::span<const double> history, std::size_t n) {
  return history.size() > n ? history.subspan(history.size() - n) : history;
}

// 0 for no load (and for NaN), else the load capped at 1.
double positive(double v) { return v > 0 ? std::min(v, 1.0) : 0.0; }

// From the bottom edge, as the recipes measure heights.
double fromBottom(double y) { return kMenuIconSide - y; }

}  // namespace

std::vector<QLineF> ringSpokes(std::span<const double> history) {
  constexpr int n = 20;
  const auto values = last(history, n);
  std::vector<QLineF> spokes;
  spokes.reserve(n);
  for (int i = 0; i < n; ++i) {
    const double v = std::size_t(i) < values.size() ? positive(values[std::size_t(i)]) : 0.0;
    const double t = (i + 0.5) / n;
    const double angle = std::numbers::pi / 2 - 2 * std::numbers::pi * t;
    const double outer = 5 + 3.5 * v;
    const QPointF along(std::cos(angle), -std::sin(angle));
    spokes.emplace_back(QPointF(kCentre, kCentre) + 3.5 * along, QPointF(kCentre, kCentre) + outer * along);
  }
  return spokes;
}

std::vector<QRectF> barRects(std::span<const double> history) {
  constexpr int n = 9;
  const auto values = last(history, n);
  const double step = kMenuIconSide / n;
  std::vector<QRectF> bars;
  bars.reserve(n);
  for (int i = 0; i < n; ++i) {
    const double v = std::size_t(i) < values.size() ? positive(values[std::size_t(i)]) : 0.0;
    const double height = 2 + 13 * v;
    bars.emplace_back(step * i + 0.3, fromBottom(1.5 + height), step - 0.6, height);
  }
  return bars;
}

std::vector<QPointF> wavePoints(std::span<const double> history) {
  const auto values = last(history, 20);
  if (values.size() < 2) return {};
  const double step = (kMenuIconSide - 2) / double(values.size() - 1);
  std::vector<QPointF> points;
  points.reserve(values.size());
  for (std::size_t i = 0; i < values.size(); ++i)
    points.emplace_back(1 + step * double(i), fromBottom(2.5 + 12 * positive(values[i])));
  return points;
}

Gauge gaugeShape(double load) {
  const QPointF centre(kCentre, fromBottom(kCentre - 0.5));
  const double shown = std::isnan(load) ? 0.02 : std::clamp(load, 0.02, 1.0);
  return {.centre = centre,
          .radius = 6.6,
          .startDegrees = 225,
          .trackSweep = -270,
          .valueSweep = -270 * shown,
          .hub = QRectF(centre.x() - 1.5, centre.y() - 1.5, 3, 3)};
}

Dot dotShape(double load) {
  return {.centre = QPointF(kCentre, kCentre), .ringDiameter = 14.4, .discRadius = 1.8 + 4.2 * positive(load)};
}

}  // namespace qel
