#include "Qel/Kit/Widgets/Divider.hpp"

#include <QPainter>

#include "Qel/Kit/Style/Palette.hpp"

namespace qel {

Divider::Divider(QWidget* parent) : QWidget(parent) {
  setFixedHeight(1);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  Palette::followAppearance(this);
}

void Divider::paintEvent(QPaintEvent*) {
  QPainter(this).fillRect(rect(), Palette::adaptiveOpacity(0.08, 0.07).resolve());
}

}  // namespace qel
