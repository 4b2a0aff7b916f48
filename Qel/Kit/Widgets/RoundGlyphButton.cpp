#include "Qel/Kit/Widgets/RoundGlyphButton.hpp"

#include <QPainter>

#include "Qel/Kit/Style/FocusRing.hpp"
#include "Qel/Kit/Style/Glyphs.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Widgets/PlainToolTip.hpp"

namespace qel {

RoundGlyphButton::RoundGlyphButton(std::string symbol, double symbolSize, const QString& label, QWidget* parent)
    : QAbstractButton(parent), symbol_(std::move(symbol)), symbolSize_(symbolSize) {
  setFixedSize(24, 24);
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::TabFocus);
  setAccessibleName(label);
  setToolTip(plainToolTip(label));
  Palette::followAppearance(this);
}

void RoundGlyphButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const bool on = isEnabled();
  const QColor disc = Palette::wash(on ? 0.06 : 0.03);
  p.setPen(Qt::NoPen);
  p.setBrush(disc);
  p.drawEllipse(QRectF(rect()));
  QColor symbol = on ? Palette::secondaryText().resolve() : Palette::tertiaryText().resolve();
  if (!on) symbol.setAlphaF(0.4f);
  Glyphs::draw(p, QRectF(rect()), symbol_, symbolSize_ * 1.4, symbol);  // the icon font draws small
  if (focusRingShown(this)) paintFocusRing(p, QRectF(rect()), width() / 2.0);
}

}  // namespace qel
