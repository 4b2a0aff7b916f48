#include "Qel/Sheets/Settings/SettingsTabButton.hpp"

#include <QFontMetricsF>
#include <QPainter>

#include "Qel/Kit/QtString.hpp"
#include "Qel/Kit/Style/FocusRing.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Glyphs.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Sheets/Settings/SettingsSheet.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

SettingsTabButton::SettingsTabButton(const SettingsTabInfo& tab, QWidget* parent)
    : QAbstractButton(parent), symbol_(tab.symbol) {
  setText(qs(L(tab.title)));
  setCheckable(true);
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::TabFocus);
  setFixedHeight(32);
  Palette::followAppearance(this);
}

void SettingsTabButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r = QRectF(rect()).adjusted(0.75, 0.75, -0.75, -0.75);
  p.setPen(focusRingShown(this) ? QPen(Palette::secondaryText().resolve(), 1.5) : Qt::NoPen);
  if (isChecked())
    p.setBrush(Palette::adaptiveOpacity(0.07, 0.08).resolve());
  else
    p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(r, Radius::chip, Radius::chip);
  const QColor ink = (isChecked() ? Palette::primaryText() : Palette::secondaryText()).resolve();
  Glyphs::draw(p, QRectF(10, 0, 18, height()), symbol_, Type::headline, ink);
  const QRectF words(36, 0, width() - 38, height());
  // A long title in another language gets a little smaller before it is cut short.
  double size = Type::body;
  const auto weight = isChecked() ? QFont::DemiBold : QFont::Normal;
  while (size > Type::caption && QFontMetricsF(Fonts::text(size, weight)).horizontalAdvance(text()) > words.width())
    size -= 0.5;
  p.setFont(Fonts::text(size, weight));
  p.setPen(ink);
  p.drawText(words, Qt::AlignVCenter | Qt::AlignLeft, p.fontMetrics().elidedText(text(), Qt::ElideRight, int(words.width())));
}

}  // namespace qel
