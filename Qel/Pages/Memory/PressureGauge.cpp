#include "Qel/Pages/Memory/PressureGauge.hpp"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"

namespace qel {

double pressureMarkerX(double pressure, double width) {
  const double f = pressure > 0 ? std::min(pressure, 100.0) / 100 : 0;  // false for NaN too
  return f * width - 1.5;
}

PressureGauge::PressureGauge(QWidget* parent) : QWidget(parent), shown_(this, 600, [this] { update(); }) {
  setFixedHeight(16);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  Palette::followAppearance(this);
}

void PressureGauge::setValue(double pressure) { shown_.setTarget(pressure > 0 ? std::min(pressure, 100.0) : 0); }

void PressureGauge::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  shown_.setPixelsPerUnit(width() / 100.0);
}

void PressureGauge::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const double w = width();
  QPainterPath band;
  const QRectF bandBox(0, 4, w, 8);
  band.addRoundedRect(bandBox, bandBox.height() / 2, bandBox.height() / 2);
  p.save();
  p.setClipPath(band);
  p.fillRect(QRectF(0, 4, 0.6 * w, 8), Palette::calm());
  p.fillRect(QRectF(0.6 * w, 4, 0.25 * w, 8), Palette::warn());
  p.fillRect(QRectF(0.85 * w, 4, 0.15 * w + 1, 8), Palette::strain());
  p.restore();
  const QRectF marker(pressureMarkerX(shown_.value(), w), 0, 3, 16);
  p.setPen(Qt::NoPen);
  p.setBrush(Palette::shadow(128 / 255.0));  // the marker's soft shadow
  p.drawRoundedRect(marker.adjusted(-1, -0.5, 1, 0.5), Radius::bar + 0.5, Radius::bar + 0.5);
  p.setBrush(Palette::marker());
  p.drawRoundedRect(marker, Radius::bar, Radius::bar);
}

}  // namespace qel
