#include "Qel/Sheets/WashBox.hpp"

#include <QPainter>
#include <QPainterPath>

#include "Qel/Window/Palette.hpp"

namespace qel {

WashBox::WashBox(AdaptiveColor fill, double radius, QWidget* parent)
    : QWidget(parent), fill_(fill), radius_(radius) {
  Palette::followAppearance(this);
}

void WashBox::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath box;
  box.addRoundedRect(QRectF(rect()), radius_, radius_);
  p.fillPath(box, fill_.resolve());
}

}  // namespace qel
