#include "Qel/Sheets/Settings/IconStyleCell.hpp"

#include <QPainter>

#include <cmath>

#include "Qel/Kit/QtString.hpp"
#include "Qel/Kit/Style/FocusRing.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/WrappedText.hpp"

namespace qel {

AdaptiveColor invertedFill() { return {Palette::ink(), Palette::white()}; }
AdaptiveColor invertedText() { return {Palette::white(), Palette::ink()}; }

IconStyleCell::IconStyleCell(MenuIconStyle style, QWidget* parent)
    : QAbstractButton(parent), style_(style), picture_(this) {
  setText(qs(menuIconTitle(style)));
  setAccessibleName(text());
  setAccessibleDescription(qs(menuIconDetail(style)));
  setCheckable(true);
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::TabFocus);
  setMinimumWidth(kLeastWidth);
  QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  policy.setHeightForWidth(true);  // a title too long for one line takes two
  setSizePolicy(policy);
  Palette::followAppearance(this);
}

int IconStyleCell::heightForWidth(int width) const {
  const QFontMetricsF fm(titleFont(width));
  return int(std::ceil(36 + std::max(fm.height(), wrappedHeight(fm, text(), width - 8)) + 10));
}

void IconStyleCell::sync(const SettingsState& settings, const LiveState& live) {
  live_.emplace(live);
  const bool on = settings.get(Setting::menuIconStyle) == rawValue(style_);
  if (isChecked() != on) setChecked(on);
  picture_.sync(*live_, style_);
}

void IconStyleCell::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r = QRectF(rect()).adjusted(0.75, 0.75, -0.75, -0.75);
  p.setPen(focusRingShown(this) ? QPen(Palette::secondaryText().resolve(), 1.5) : Qt::NoPen);
  p.setBrush((isChecked() ? invertedFill() : Palette::adaptiveOpacity(0.06, 0.06)).resolve());
  p.drawRoundedRect(r, Radius::cardSmall, Radius::cardSmall);
  const QColor pictureInk = (isChecked() ? invertedText() : Palette::primaryText()).resolve();
  drawTinted(p, picture_.image(), QRectF(0, 10, width(), 20), pictureInk);
  const QFont font = titleFont(width());
  p.setFont(font);
  p.setPen((isChecked() ? invertedText() : Palette::secondaryText()).resolve());
  const QFontMetricsF fm(font);
  p.drawText(QRectF(4, 36, width() - 8, height() - 46),
             Qt::AlignHCenter | Qt::AlignVCenter | wrapFlags(fm, text(), width() - 8), text());
}

void IconStyleCell::showEvent(QShowEvent* e) {
  QAbstractButton::showEvent(e);
  if (live_) picture_.sync(*live_, style_);
}

void IconStyleCell::hideEvent(QHideEvent* e) {
  picture_.stop();
  QAbstractButton::hideEvent(e);
}

QFont IconStyleCell::titleFont(int width) const {
  QFont font = shrunkToFit(Type::footnote, QFont::DemiBold, 0.75,
                           [&](const QFontMetricsF& fm) { return wordsFit(fm, text(), width - 8); });
  if (!isChecked()) font.setWeight(QFont::Normal);
  return font;
}

}  // namespace qel
