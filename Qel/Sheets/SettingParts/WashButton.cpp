#include "Qel/Sheets/SettingParts/WashButton.hpp"

#include <QPainter>

#include "Qel/Kit/Style/FocusRing.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Legible.hpp"
#include "Qel/Kit/Style/Palette.hpp"

namespace qel {

WashButton::WashButton(const QString& text, double pixelSize, QWidget* parent)
    : QAbstractButton(parent),
      text_(Palette::primaryText()),
      fill_(Palette::adaptiveOpacity(0.10, 0.10)),
      pixelSize_(pixelSize) {
  setText(text);
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::TabFocus);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  Palette::followAppearance(this);
}

void WashButton::setColors(AdaptiveColor text, AdaptiveColor fill) {
  text_ = std::move(text);
  fill_ = std::move(fill);
  update();
}

void WashButton::setBold(bool on) {
  if (bold_ == on) return;
  bold_ = on;
  updateGeometry();
  update();
}

QSize WashButton::sizeHint() const {
  const QFontMetrics m(Fonts::text(pixelSize_, QFont::DemiBold));
  return {m.horizontalAdvance(text()) + 24, m.height() + 10};
}

void WashButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r = QRectF(rect()).adjusted(0.75, 0.75, -0.75, -0.75);
  p.setPen(focusRingShown(this) ? QPen(Palette::secondaryText().resolve(), 1.5) : Qt::NoPen);
  p.setBrush(fill_.resolve());
  p.drawRoundedRect(r, r.height() / 2, r.height() / 2);
  p.setFont(Fonts::text(pixelSize_, bold_ ? QFont::DemiBold : QFont::Medium));
  // The words stay readable on their wash, however pale the colour asked for.
  p.setPen(Legible::text(text_.resolve(), Legible::over(Legible::ground(), fill_.resolve())));
  p.drawText(rect(), Qt::AlignCenter, text());
}

}  // namespace qel
