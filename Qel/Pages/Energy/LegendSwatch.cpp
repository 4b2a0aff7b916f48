#include "Qel/Pages/Energy/LegendSwatch.hpp"

#include <QPainter>

#include "Qel/Kit/Style/Spacing.hpp"

namespace qel {

LegendSwatch::LegendSwatch(QColor colour, QWidget* parent) : QWidget(parent), colour_(std::move(colour)) {
  setFixedSize(kSide, kSide);
}

void LegendSwatch::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(colour_);
  p.drawRoundedRect(QRectF(rect()), Radius::bar, Radius::bar);
}

}  // namespace qel
