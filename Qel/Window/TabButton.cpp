#include "Qel/Window/TabButton.hpp"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "Qel/Kit/PageMeta.hpp"
#include "Qel/Kit/Style/FocusRing.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"

namespace qel {

namespace {

constexpr double kPadX = 13, kPadY = Space::s, kGap = Space::s;

QFont titleFont(bool current, bool condensed) {
  const QFont::Weight weight = current ? QFont::DemiBold : QFont::Medium;
  return condensed ? Fonts::condensed(Type::body, weight) : Fonts::text(Type::body, weight);
}
// Eleven and a half pixels are asked for; fonts take whole pixels, the condensed face the smaller.
QFont valueFont(bool condensed) { return condensed ? Fonts::condensed(Type::caption) : Fonts::text(Type::footnote); }

}  // namespace

TabButton::TabButton(Page page, QWidget* parent) : QAbstractButton(parent), page_(page) {
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::TabFocus);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  setAccessibleName(title(page));
  Palette::followAppearance(this);
}

void TabButton::setState(const State& state) {
  if (state == state_) return;
  const double slot = valueSlot(state_.condensed);
  const bool shown = state.showValue != state_.showValue || state.current != state_.current ||
                     state.condensed != state_.condensed;
  state_ = state;
  const bool resized = shown || valueSlot(state_.condensed) != slot;
  setAccessibleDescription(state_.readout.value ? QString::fromStdString(*state_.readout.value) : QString());
  if (resized) updateGeometry();
  update();
}

double TabButton::valueSlot(bool condensed) const {
  const QFontMetricsF fm(valueFont(condensed));
  const double widest = fm.horizontalAdvance(QString::fromStdString(widestTabValue(page_)));
  return state_.readout.value ? std::max(widest, fm.horizontalAdvance(QString::fromStdString(*state_.readout.value)))
                              : widest;
}

QSize TabButton::sizeHint() const {
  // The regular face's height in either face, so the bar keeps its height.
  const QFontMetricsF titleFm(titleFont(true, false));
  return {widthShowingValue(state_.showValue), int(std::ceil(2 * kPadY + titleFm.height()))};
}

int TabButton::widthAt(bool shown, bool condensed) const {
  // The semibold title's width whichever weight shows, so the current tab keeps its width.
  double w = 2 * kPadX + QFontMetricsF(titleFont(true, condensed)).horizontalAdvance(title(page_));
  if (shown && state_.readout.value) w += kGap + valueSlot(condensed);
  return int(std::ceil(w));
}

void TabButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r(rect());
  const double radius = r.height() / 2;
  const QColor accentColor = accent(page_);
  if (state_.current) {
    p.setPen(Qt::NoPen);
    p.setBrush(accentColor);
    p.drawRoundedRect(r, radius, radius);
  }

  const QColor label = state_.current ? Palette::ink() : Palette::secondaryText().resolve();
  const bool condensed = state_.condensed;
  const QFontMetricsF titleFm(titleFont(true, condensed));
  const QString name = title(page_);
  const double titleW = titleFm.horizontalAdvance(name);
  const double baseline = kPadY + QFontMetricsF(titleFont(true, false)).ascent();
  p.setFont(titleFont(state_.current, condensed));
  p.setPen(label);
  const double shownW = QFontMetricsF(titleFont(state_.current, condensed)).horizontalAdvance(name);
  p.drawText(QPointF(kPadX + (titleW - shownW) / 2, baseline), name);

  if (state_.showValue && state_.readout.value) {
    const QColor c = state_.current       ? Palette::withAlpha(Palette::ink(), 0.6)
                     : state_.readout.unusual ? Palette::warnText().resolve()
                                              : Palette::tertiaryText().resolve();
    const QFontMetricsF fm(valueFont(condensed));
    const QString value = QString::fromStdString(*state_.readout.value);
    const double x = kPadX + titleW + kGap + valueSlot(condensed) - fm.horizontalAdvance(value);  // trailing
    p.setFont(valueFont(condensed));
    p.setPen(c);
    p.drawText(QPointF(x, baseline), value);
  }

  if (state_.line && page_ != Page::overview) {
    const double full = r.width() - 2 * kPadX;
    const double length = full * std::max(std::isfinite(state_.readout.load) ? state_.readout.load : 0.0, 0.04);
    p.setPen(Qt::NoPen);
    p.setBrush(state_.current ? Palette::withAlpha(Palette::ink(), 0.5) : accentColor);
    p.drawRoundedRect(QRectF(kPadX, r.height() - 3 - 2, std::min(length, full), 2), Radius::line, Radius::line);
  }
  if (state_.dot && state_.readout.unusual && page_ != Page::overview) {
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::warn());
    p.drawEllipse(QRectF(r.width() - 7 - 6, 4, 6, 6));
  }
  if (focusRingShown(this)) {
    // On the current tab's accent the ring must stand out from the fill, not the bar.
    if (state_.current)
      paintFocusRing(p, r, radius, accentColor);
    else
      paintFocusRing(p, r, radius);
  }
}

void TabButton::enterEvent(QEnterEvent* event) {
  QAbstractButton::enterEvent(event);
  emit hovered(true);
}

void TabButton::leaveEvent(QEvent* event) {
  QAbstractButton::leaveEvent(event);
  emit hovered(false);
}

void TabButton::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    setAccessibleName(title(page_));
    updateGeometry();
    update();
  }
  QAbstractButton::changeEvent(event);
}

}  // namespace qel
