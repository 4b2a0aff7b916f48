#include "Qel/Kit/Widgets/WashBox.hpp"

#include <QPainter>
#include <QPainterPath>

#include "Qel/Kit/Style/Palette.hpp"

namespace qel {

namespace {
constexpr int kBar = 3;
}  // namespace

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
  if (bar_) {
    p.setClipPath(box);
    p.fillRect(QRect(0, 0, kBar, height()), bar_->resolve());
  }
}

void WashBox::setAccentBar(AdaptiveColor color) {
  bar_ = color;
  update();
}

}  // namespace qel
