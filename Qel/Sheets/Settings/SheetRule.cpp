#include "Qel/Sheets/Settings/SheetRule.hpp"

#include <QPainter>

#include "Qel/Kit/Style/Palette.hpp"

namespace qel {

SheetRule::SheetRule(Qt::Orientation orientation, QWidget* parent) : QWidget(parent) {
  if (orientation == Qt::Vertical)
    setFixedWidth(1);
  else
    setFixedHeight(1);
  Palette::followAppearance(this);
}

void SheetRule::paintEvent(QPaintEvent*) {
  QPainter(this).fillRect(rect(), Palette::adaptiveOpacity(0.08, 0.07).resolve());
}

}  // namespace qel
