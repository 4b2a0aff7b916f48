#include "Qel/Kit/Widgets/CloseButton.hpp"

#include <QPainter>

#include "Qel/Kit/QtString.hpp"
#include "Qel/Kit/Style/FocusRing.hpp"
#include "Qel/Kit/Style/Glyphs.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

CloseButton::CloseButton(Look look, QWidget* parent) : QAbstractButton(parent), look_(look) {
  setFixedSize(28, 28);
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::TabFocus);
  setAccessibleName(qs(L("Close")));
  Palette::followAppearance(this);
}

void CloseButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor ink = Palette::secondaryText().resolve();
  if (look_ == Look::washed) {
    p.setPen(focusRingShown(this) ? QPen(ink, 1.5) : Qt::NoPen);
    p.setBrush(Palette::adaptiveOpacity(0.07, 0.07).resolve());
    p.drawEllipse(QRectF(rect()).adjusted(0.75, 0.75, -0.75, -0.75));
    Glyphs::draw(p, QRectF(rect()), "xmark", Type::callout, ink);  // an 11-point cross: the icon font draws small
    return;
  }
  if (focusRingShown(this)) {
    p.setPen(QPen(ink, 1.5));
    p.drawEllipse(QRectF(rect()).adjusted(1, 1, -1, -1));
  }
  Glyphs::draw(p, QRectF(rect()), "xmark", Type::title2, ink);  // a 13-point cross, larger than the washed one
}

}  // namespace qel
