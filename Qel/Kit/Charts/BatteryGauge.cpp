#include "Qel/Kit/Charts/BatteryGauge.hpp"

#include <QPainter>

#include <algorithm>

#include "Qel/Kit/Style/Glyphs.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Widgets/SquareFit.hpp"

namespace qel {

BatteryGaugeShape batteryGaugeShape(QSizeF size, int percent) {
  const QRectF square = squareFit(size);
  QRectF circle = square.adjusted(3, 3, -3, -3);
  if (!circle.isValid()) circle = QRectF(square.center(), QSizeF(0, 0));
  return {circle, std::clamp(percent, 0, 100) / 100.0, percent < 20};
}

BatteryGauge::BatteryGauge(std::string symbol, int percent, Style style, QWidget* parent)
    : QWidget(parent), symbol_(std::move(symbol)), percent_(percent), style_(std::move(style)) {
  Palette::followAppearance(this);
}

QColor BatteryGauge::chargeColor() const {
  return (batteryGaugeShape(size(), percent_).warning ? style_.warning : style_.normal).resolve();
}

void BatteryGauge::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const BatteryGaugeShape shape = batteryGaugeShape(size(), percent_);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(style_.track.resolve(), style_.lineWidth, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
  p.drawEllipse(shape.circle);
  if (shape.fraction > 0) {
    p.setPen(QPen(chargeColor(), style_.lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
    // Qt counts sixteenths of a degree anticlockwise from three o'clock.
    p.drawArc(shape.circle, 90 * 16, -int(shape.fraction * 360 * 16));
  }
  Glyphs::draw(p, shape.circle, symbol_, style_.symbolSize, style_.symbol.resolve());
}

}  // namespace qel
