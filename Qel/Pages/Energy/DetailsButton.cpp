#include "Qel/Pages/Energy/DetailsButton.hpp"

#include <QFontMetricsF>
#include <QPainter>

#include "Qel/Kit/Style/FocusRing.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"

namespace qel {

DetailsButton::DetailsButton(const QString& text, QWidget* parent) : QAbstractButton(parent) {
  setText(text);
  setFont(Fonts::text(Type::footnote, QFont::Medium));
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::TabFocus);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  Palette::followAppearance(this);
}

QSize DetailsButton::sizeHint() const {
  const QFontMetricsF fm(font());
  return {int(std::ceil(fm.horizontalAdvance(text()) + 2 * Space::l)), int(std::ceil(fm.height() + 2 * Space::xs))};
}

void DetailsButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r(rect());
  p.setPen(Qt::NoPen);
  p.setBrush(Palette::wash(isDown() ? 0.14 : 0.08));
  p.drawRoundedRect(r, r.height() / 2, r.height() / 2);
  p.setPen(Palette::primaryText().resolve());
  p.setFont(font());
  p.drawText(r, Qt::AlignCenter | Qt::TextSingleLine, text());
  if (focusRingShown(this)) paintFocusRing(p, r, r.height() / 2);
}

}  // namespace qel
