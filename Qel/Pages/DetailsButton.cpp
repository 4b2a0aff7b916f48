#include "Qel/Pages/DetailsButton.hpp"

#include <QFontMetricsF>
#include <QPainter>

#include "Qel/Kit/FocusRing.hpp"
#include "Qel/Kit/Fonts.hpp"
#include "Qel/Kit/Palette.hpp"

namespace qel {

DetailsButton::DetailsButton(const QString& text, QWidget* parent) : QAbstractButton(parent) {
  setText(text);
  setFont(Fonts::text(12, QFont::Medium));
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::TabFocus);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  Palette::followAppearance(this);
}

QSize DetailsButton::sizeHint() const {
  const QFontMetricsF fm(font());
  return {int(std::ceil(fm.horizontalAdvance(text()) + 24)), int(std::ceil(fm.height() + 8))};
}

void DetailsButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r(rect());
  QColor fill = Palette::light() ? Qt::black : Qt::white;
  fill.setAlphaF(isDown() ? 0.14f : 0.08f);
  p.setPen(Qt::NoPen);
  p.setBrush(fill);
  p.drawRoundedRect(r, r.height() / 2, r.height() / 2);
  p.setPen(Palette::primaryText().resolve());
  p.setFont(font());
  p.drawText(r, Qt::AlignCenter | Qt::TextSingleLine, text());
  if (focusRingShown(this)) paintFocusRing(p, r, r.height() / 2);
}

}  // namespace qel
