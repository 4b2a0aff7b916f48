#include "Qel/Kit/Charts/ChartKit.hpp"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace qel::Chart {

double qtDegrees(double radians) { return -radians * 180.0 / kPi; }

QPointF polar(QPointF centre, double radius, double angle) {
  return centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
}

namespace {

bool usable(double a, double b) { return std::isfinite(a) && std::isfinite(b); }

QRectF circle(QPointF centre, double radius) {
  return {centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius};
}

}  // namespace

QPainterPath ringSegment(QPointF centre, double inner, double outer, double from, double to) {
  QPainterPath path;
  if (!usable(inner, outer) || !usable(from, to) || inner <= 0 || outer <= inner) return path;
  const double start = qtDegrees(from), sweep = qtDegrees(to) - qtDegrees(from);
  path.arcMoveTo(circle(centre, outer), start);
  path.arcTo(circle(centre, outer), start, sweep);
  path.arcTo(circle(centre, inner), start + sweep, -sweep);
  path.closeSubpath();
  path.setFillRule(Qt::WindingFill);
  return path;
}

QPainterPath arc(QPointF centre, double radius, double from, double to) {
  QPainterPath path;
  if (!usable(radius, radius) || !usable(from, to) || radius <= 0) return path;
  const double start = qtDegrees(from), sweep = qtDegrees(to) - qtDegrees(from);
  path.arcMoveTo(circle(centre, radius), start);
  path.arcTo(circle(centre, radius), start, sweep);
  return path;
}

QRectF anchoredRect(QSizeF size, QPointF at, Qt::Alignment anchor) {
  double x = at.x() - size.width() / 2, y = at.y() - size.height() / 2;
  if (anchor & Qt::AlignLeft) x = at.x();
  if (anchor & Qt::AlignRight) x = at.x() - size.width();
  if (anchor & Qt::AlignTop) y = at.y();
  if (anchor & Qt::AlignBottom) y = at.y() - size.height();
  return {QPointF(x, y), size};
}

void drawText(QPainter& painter, const QString& text, const QFont& font, QPointF at, Qt::Alignment anchor,
              QRectF inside) {
  const QFontMetricsF metrics(font);
  QRectF r = anchoredRect(QSizeF(metrics.horizontalAdvance(text), metrics.height()), at, anchor);
  if (inside.isValid()) {
    r.moveLeft(std::clamp(r.left(), inside.left(), std::max(inside.left(), inside.right() - r.width())));
    r.moveTop(std::clamp(r.top(), inside.top(), std::max(inside.top(), inside.bottom() - r.height())));
  }
  painter.setFont(font);
  painter.drawText(QPointF(r.left(), r.top() + metrics.ascent()), text);
}

}  // namespace qel::Chart
