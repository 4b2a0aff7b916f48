#include "Qel/Pages/LegendSwatch.hpp"

#include <QPainter>

namespace qel {

LegendSwatch::LegendSwatch(QColor colour, QWidget* parent) : QWidget(parent), colour_(std::move(colour)) {
  setFixedSize(kSide, kSide);
}

void LegendSwatch::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(colour_);
  p.drawRoundedRect(QRectF(rect()), 2, 2);
}

}  // namespace qel
