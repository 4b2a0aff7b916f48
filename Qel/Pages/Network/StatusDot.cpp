#include "Qel/Pages/Network/StatusDot.hpp"

#include <QPainter>

namespace qel {

StatusDot::StatusDot(QWidget* parent) : QWidget(parent) { setFixedSize(8, 8); }

void StatusDot::setColor(QColor color) {
  if (color == color_) return;
  color_ = color;
  update();
}

void StatusDot::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(color_);
  p.drawEllipse(QRectF(rect()));
}

}  // namespace qel
