#include "Qel/Kit/Widgets/TextButton.hpp"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

#include "Qel/Kit/Style/FocusRing.hpp"
#include "Qel/Kit/Style/Palette.hpp"

namespace qel {

TextButton::TextButton(const QString& text, const QFont& font, QWidget* parent) : QAbstractButton(parent) {
  setText(text);
  setFont(font);
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::TabFocus);
  setAccessibleName(text);
  Palette::followAppearance(this);
}

void TextButton::setColor(const AdaptiveColor& color) {
  if (color == color_) return;
  color_ = color;
  update();
}

QSize TextButton::sizeHint() const {
  const QFontMetricsF fm(font());
  // Room around the words for the focus ring.
  return {int(std::ceil(fm.horizontalAdvance(text()) + 8)), int(std::ceil(fm.height() + 4))};
}

void TextButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setPen(color_.resolve());
  p.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, text());
  if (focusRingShown(this)) paintFocusRing(p, QRectF(rect()), 6);
}

}  // namespace qel
