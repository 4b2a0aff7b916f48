#include "Qel/Kit/Widgets/PillButton.hpp"

#include <QPainter>

#include <utility>

#include "Qel/Kit/Style/FocusRing.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Legible.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"

namespace qel {

PillButton::PillButton(const QString& text, double pixelSize, QFont::Weight weight, AdaptiveColor ink,
                       AdaptiveColor fill, QSize padding, QWidget* parent)
    : QAbstractButton(parent), ink_(ink), fill_(fill), padding_(padding) {
  setText(text);
  setFont(Fonts::text(pixelSize, weight));
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::TabFocus);
  setAccessibleName(text);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  Palette::followAppearance(this);
}

PillButton* PillButton::primary(const QString& text, QWidget* parent) {
  return new PillButton(text, Type::callout, QFont::DemiBold, Palette::ink(), Palette::paper(), QSize(30, 9), parent);
}

PillButton::Look PillButton::look(const QColor& fill, const QColor& ink, const QColor& ground) {
  Look look{fill, ink};
  if (fill.alpha() == 255 && Legible::contrast(fill, ground) < 1.25) std::swap(look.fill, look.ink);
  look.ink = Legible::text(look.ink, Legible::over(ground, look.fill));
  return look;
}

QSize PillButton::sizeHint() const {
  const QFontMetrics metrics(font());
  return {metrics.horizontalAdvance(text()) + 2 * padding_.width(), metrics.height() + 2 * padding_.height()};
}

void PillButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF box(rect());
  const Look colours = look(fill_.resolve(), ink_.resolve(), Legible::ground());
  p.setPen(Qt::NoPen);
  p.setBrush(colours.fill);
  p.drawRoundedRect(box, box.height() / 2, box.height() / 2);
  p.setPen(colours.ink);
  p.setFont(font());
  p.drawText(box, Qt::AlignCenter, text());
  // A solid pill takes the ring inside its fill, where it reads; a faint one keeps it at the edge.
  if (!focusRingShown(this)) return;
  if (colours.fill.alpha() == 255)
    paintFocusRing(p, box, box.height() / 2, colours.fill);
  else
    paintFocusRing(p, box, box.height() / 2);
}

}  // namespace qel
