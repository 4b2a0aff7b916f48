#include "Qel/Window/Overview/DayRingGeometry.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "Qel/Platform/Runtime/Calendar.hpp"
#include "Qel/Store/SlotSpan.hpp"

namespace qel {

namespace {
constexpr double kPi = std::numbers::pi;
constexpr double kDegrees = 180 / kPi;
}  // namespace

bool DayRingGeometry::empty() const {
  return count <= 0 || !(outer > 0) || !(inner > 0) || !(trackWidth() > 0);
}

double DayRingGeometry::step() const { return count > 0 ? 2 * kPi / count : 0; }

double DayRingGeometry::halfWidth() const { return 0.33 * step(); }

double DayRingGeometry::angle(double i) const { return -kPi / 2 + step() * (i + 0.5); }

double DayRingGeometry::trackWidth() const { return (outer - inner - kTrackGap) / 2; }

double DayRingGeometry::trackOuter(int track) const { return outer - track * (trackWidth() + kTrackGap); }

double DayRingGeometry::trackInner(int track) const { return trackOuter(track) - trackWidth(); }

QPointF DayRingGeometry::at(double a, double radius) const {
  return centre + QPointF(std::cos(a) * radius, std::sin(a) * radius);
}

QPainterPath DayRingGeometry::wedge(int i, double from, double to) const {
  QPainterPath path;
  if (!(to > 0) || !(from >= 0) || to <= from) return path;
  const double start = angle(i) - halfWidth(), end = angle(i) + halfWidth();
  // Qt's arcs count degrees counter-clockwise on screen; ours run clockwise.
  const QRectF outerBox(centre.x() - to, centre.y() - to, 2 * to, 2 * to);
  const QRectF innerBox(centre.x() - from, centre.y() - from, 2 * from, 2 * from);
  path.arcMoveTo(outerBox, -start * kDegrees);
  path.arcTo(outerBox, -start * kDegrees, -(end - start) * kDegrees);
  if (from > 0)
    path.arcTo(innerBox, -end * kDegrees, (end - start) * kDegrees);
  else
    path.lineTo(centre);
  path.closeSubpath();
  return path;
}

double centreTextScale(std::span<const QSizeF> lines, double gap, double radius) {
  if (lines.empty() || !(radius > 0) || !(gap >= 0)) return 0;
  double total = gap * double(lines.size() - 1);
  for (const QSizeF& l : lines) total += l.height();
  // Corners farthest from the centre, at scale 1; every length scales alike.
  double farthest = 0, top = -total / 2;
  for (const QSizeF& l : lines) {
    const double edge = std::max(std::abs(top), std::abs(top + l.height()));
    farthest = std::max(farthest, std::hypot(l.width() / 2, edge));
    top += l.height() + gap;
  }
  if (!std::isfinite(farthest)) return 0;
  return farthest > radius ? radius / farthest : 1.0;
}

DayRingGeometry dayRingGeometry(QSizeF canvas, int count) {
  const double outer = canvas.height() * 0.5 - 32;
  return {.centre = QPointF(canvas.width() * 0.5, canvas.height() * 0.5),
          .outer = outer,
          .inner = outer * 0.58,
          .count = count};
}

std::optional<int> slotAtPoint(QPointF point, double side, int count) {
  if (count <= 0 || !std::isfinite(point.x()) || !std::isfinite(point.y())) return std::nullopt;
  const double c = side * 0.5;
  const double dx = point.x() - c, dy = point.y() - c;
  if (std::hypot(dx, dy) <= (c - 32) * 0.58 * 0.5) return std::nullopt;
  double f = (std::atan2(dy, dx) + kPi / 2) / (2 * kPi);
  if (f < 0) f += 1;
  return std::clamp(int(f * count), 0, count - 1);
}

double barFraction(double value) {
  if (std::isnan(value)) return 0.035;
  return std::clamp(value, 0.035, 1.0);
}

BarTone barTone(double value) {
  if (value >= 0.88) return BarTone::strain;
  if (value >= 0.7) return BarTone::warn;
  return BarTone::track;
}

double liveBarOpacity(int slot, int count) {
  return 0.3 + 0.7 * double(slot) / double(std::max(count, 2) - 1);
}

std::optional<int> wakeSlot(Date wake, Date dayStart) {
  if (wake < dayStart || wake >= dayAfter(dayStart)) return std::nullopt;
  return slotOf(wake);
}

}  // namespace qel
