#include "Qel/MenuBar/PanelHairline.hpp"

#include <QPainter>

#include "Qel/Kit/Style/Palette.hpp"

namespace qel {

PanelHairline::PanelHairline(QWidget* parent) : QWidget(parent) { setFixedHeight(1); }

void PanelHairline::paintEvent(QPaintEvent*) {
  QPainter(this).fillRect(rect(), Palette::wash(Palette::light() ? 0.11 : 0.07));
}

}  // namespace qel
