#include "Qel/MenuBar/OpenButton.hpp"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

#include "Qel/Kit/Style/FocusRing.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"

namespace qel {

OpenButton::OpenButton(const QString& text, QWidget* parent) : QAbstractButton(parent) {
  setText(text);
  setFocusPolicy(Qt::TabFocus);
  setCursor(Qt::PointingHandCursor);
}

QSize OpenButton::sizeHint() const {
  const QFontMetricsF fm(Fonts::text(Type::body, QFont::DemiBold));
  return {int(std::ceil(fm.horizontalAdvance(text()))) + 36, int(std::ceil(fm.height())) + 14};
}

void OpenButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(Palette::panelPillGround());
  const double r = height() / 2.0;
  p.drawRoundedRect(QRectF(rect()), r, r);
  p.setFont(Fonts::text(Type::body, QFont::DemiBold));
  p.setPen(Palette::panelPillText());
  p.drawText(rect(), Qt::AlignCenter, text());
  if (focusRingShown(this)) paintFocusRing(p, QRectF(rect()), r);
}

}  // namespace qel
