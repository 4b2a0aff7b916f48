#include "Qel/Kit/Charts/Sparkline.hpp"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <limits>

#include "Qel/Kit/Style/Palette.hpp"

namespace qel {

double sparklineScale(std::span<const double> values, std::optional<double> maxValue) {
  // A scale of zero, below zero or not a number would put every point nowhere; it counts as
  // automatic.
  if (maxValue && std::isfinite(*maxValue) && *maxValue > 0) return *maxValue;
  std::optional<double> largest;
  for (double v : values)
    if (std::isfinite(v) && (!largest || v > *largest)) largest = v;
  if (!largest) return 1.2;
  return std::max(std::min(*largest * 1.2, std::numeric_limits<double>::max()), 1.0);
}

std::vector<QPointF> sparklinePoints(std::span<const double> values, std::optional<double> maxValue, QSizeF size) {
  std::vector<QPointF> out;
  const std::size_t n = values.size();
  if (n < 2) return out;
  const double s = sparklineScale(values, maxValue);
  const double w = size.width(), h = size.height();
  const double step = w / double(n - 1);
  out.reserve(n);
  for (std::size_t i = 0; i < n; ++i) {
    const double v = std::isfinite(values[i]) ? values[i] : 0.0;
    const double c = std::clamp(v / s, 0.0, 1.0);
    out.emplace_back(step * double(i), (h - 2) - (h - 4) * c);
  }
  return out;
}

Sparkline::Sparkline(AdaptiveColor color, std::optional<double> maxValue, QWidget* parent)
    : QWidget(parent), color_(std::move(color)), maxValue_(maxValue) {
  Palette::followAppearance(this);
}

void Sparkline::setValues(std::vector<double> values) {
  values_ = std::move(values);
  update();
}

void Sparkline::setColor(AdaptiveColor color) {
  color_ = std::move(color);
  update();
}

void Sparkline::setMaxValue(std::optional<double> maxValue) {
  maxValue_ = maxValue;
  update();
}

void Sparkline::paintEvent(QPaintEvent*) {
  const QSizeF size = this->size();
  const auto points = sparklinePoints(values_, maxValue_, size);
  if (points.empty()) return;
  QPainterPath line(points.front());
  for (std::size_t i = 1; i < points.size(); ++i) line.lineTo(points[i]);
  QPainterPath area = line;
  area.lineTo(size.width(), size.height());
  area.lineTo(0, size.height());
  area.closeSubpath();
  area.setFillRule(Qt::WindingFill);

  const QColor color = color_.resolve();
  QColor top = color, bottom = color;
  top.setAlphaF(0.32f);
  bottom.setAlphaF(0);
  QLinearGradient fade(0, 0, 0, size.height());
  fade.setColorAt(0, top);
  fade.setColorAt(1, bottom);

  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillPath(area, fade);
  p.strokePath(line, QPen(color, 1.4));
}

}  // namespace qel
