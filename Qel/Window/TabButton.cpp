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

QFont titleFont(bool current) { return Fonts::text(Type::body, current ? QFont::DemiBold : QFont::Medium); }
QFont valueFont() { return Fonts::text(Type::footnote); }

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
  const double slot = valueSlot();
  const bool shown = state.showValue != state_.showValue || state.current != state_.current;
  state_ = state;
  const bool resized = shown || valueSlot() != slot;
  setAccessibleDescription(state_.readout.value ? QString::fromStdString(*state_.readout.value) : QString());
  if (resized) updateGeometry();
  update();
}

double TabButton::valueSlot() const {
  const QFontMetricsF fm(valueFont());
  const double widest = fm.horizontalAdvance(QString::fromStdString(widestTabValue(page_)));
  return state_.readout.value ? std::max(widest, fm.horizontalAdvance(QString::fromStdString(*state_.readout.value)))
                              : widest;
}

QSize TabButton::sizeHint() const {
  const QFontMetricsF titleFm(titleFont(true));
  return {widthShowingValue(state_.showValue), int(std::ceil(2 * kPadY + titleFm.height()))};
}

int TabButton::widthShowingValue(bool shown) const {
  // The semibold title's width whichever weight shows, so the current tab keeps its width.
  double w = 2 * kPadX + QFontMetricsF(titleFont(true)).horizontalAdvance(title(page_));
  if (shown && state_.readout.value) w += kGap + valueSlot();
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
  const QFontMetricsF titleFm(titleFont(true));
  const QString name = title(page_);
  const double titleW = titleFm.horizontalAdvance(name);
  const double baseline = kPadY + titleFm.ascent();
  p.setFont(titleFont(state_.current));
  p.setPen(label);
  const double shownW = QFontMetricsF(titleFont(state_.current)).horizontalAdvance(name);
  p.drawText(QPointF(kPadX + (titleW - shownW) / 2, baseline), name);

  if (state_.showValue && state_.readout.value) {
    const QColor c = state_.current       ? Palette::withAlpha(Palette::ink(), 0.6)
                     : state_.readout.unusual ? Palette::warnText().resolve()
                                              : Palette::tertiaryText().resolve();
    const QFontMetricsF fm(valueFont());
    const QString value = QString::fromStdString(*state_.readout.value);
    const double x = kPadX + titleW + kGap + valueSlot() - fm.horizontalAdvance(value);  // trailing
    p.setFont(valueFont());
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
