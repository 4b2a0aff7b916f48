#include "Qel/Window/TabBarLogo.hpp"

#include <QIcon>
#include <QPainter>

#include "Qel/Kit/Style/Palette.hpp"

namespace qel {

TabBarLogo::TabBarLogo(QWidget* parent) : QWidget(parent) {
  setFixedSize(22, 22);
  setObjectName(QStringLiteral("logo"));
  Palette::followAppearance(this);
}

void TabBarLogo::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (!Palette::light()) {
    // The icon's tile spans 100..924 of its 1024 units with corners of 185.
    const double unit = width() / 1024.0;
    const QRectF tile(100 * unit, 100 * unit, 824 * unit, 824 * unit);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Palette::adaptiveOpacity(0, 0.6).resolve(), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(tile.adjusted(-0.6, -0.6, 0.6, 0.6), 185 * unit + 0.6, 185 * unit + 0.6);
  }
  static const QIcon mark(QStringLiteral(":/icons/qel.svg"));
  mark.paint(&p, rect());
}

}  // namespace qel
