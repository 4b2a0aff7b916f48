#include "Qel/Sheets/PillButton.hpp"

#include <QPainter>

#include "Qel/Window/FocusRing.hpp"
#include "Qel/Window/Fonts.hpp"
#include "Qel/Window/Palette.hpp"

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

QSize PillButton::sizeHint() const {
  const QFontMetrics metrics(font());
  return {metrics.horizontalAdvance(text()) + 2 * padding_.width(), metrics.height() + 2 * padding_.height()};
}

void PillButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF box(rect());
  p.setPen(Qt::NoPen);
  p.setBrush(fill_.resolve());
  p.drawRoundedRect(box, box.height() / 2, box.height() / 2);
  p.setPen(ink_.resolve());
  p.setFont(font());
  p.drawText(box, Qt::AlignCenter, text());
  if (hasFocus()) paintFocusRing(p, box, box.height() / 2);
}

}  // namespace qel
