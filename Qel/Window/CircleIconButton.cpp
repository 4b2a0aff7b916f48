#include "Qel/Window/CircleIconButton.hpp"

#include <QPainter>

#include "Qel/Kit/Style/FocusRing.hpp"
#include "Qel/Kit/Style/Glyphs.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/PlainToolTip.hpp"

namespace qel {

CircleIconButton::CircleIconButton(std::string symbol, const QString& toolTip, const QString& accessibleName,
                                   QWidget* parent)
    : QAbstractButton(parent), symbol_(std::move(symbol)) {
  setFixedSize(kSize, kSize);
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::TabFocus);
  setToolTip(plainToolTip(toolTip));
  setAccessibleName(accessibleName);
  Palette::followAppearance(this);
}

void CircleIconButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(Palette::adaptiveOpacity(0.05, 0.05).resolve());
  p.drawEllipse(QRectF(rect()));
  Glyphs::draw(p, QRectF(rect()), symbol_, Type::callout, Palette::secondaryText().resolve());
  if (focusRingShown(this)) paintFocusRing(p, QRectF(rect()), kSize / 2.0);
}

}  // namespace qel
