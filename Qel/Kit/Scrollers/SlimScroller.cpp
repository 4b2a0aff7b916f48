#include "Qel/Kit/Scrollers/SlimScroller.hpp"

#include <QAbstractScrollArea>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleOptionSlider>

#include <algorithm>
#include <cmath>

#include "Qel/Kit/Scrollers/HoverFlasher.hpp"
#include "Qel/Kit/Style/Palette.hpp"

namespace qel {

namespace {
constexpr int kKnobMinLength = 24;
constexpr double kEndInset = 3;
constexpr double kSlotThickness = 8, kKnobThickness = 6;
constexpr double kRestingKnob = 0.2;
}

double knobProportion(int minimum, int maximum, int pageStep) {
  const double range = double(maximum) - double(minimum);
  if (range <= 0) return 1;
  const double page = std::max(0, pageStep);
  return page / (range + page);
}

KnobSpan knobSpan(int minimum, int maximum, int pageStep, int position, double grooveLength, double minLength,
                  bool upsideDown) {
  const double groove = std::max(0.0, grooveLength);
  const double length = std::min(groove, std::max(minLength, groove * knobProportion(minimum, maximum, pageStep)));
  const double range = double(maximum) - double(minimum);
  const double at = range > 0 ? std::clamp((double(position) - minimum) / range, 0.0, 1.0) : 0.0;
  const double start = (groove - length) * (upsideDown ? 1 - at : at);
  return {start, length};
}

QRectF slimBar(const QRectF& bounds, const QRectF& part, double thickness) {
  if (bounds.height() < bounds.width())
    return QRectF(part.x(), bounds.center().y() - thickness / 2, part.width(), thickness)
        .adjusted(kEndInset, 0, -kEndInset, 0);
  return QRectF(bounds.center().x() - thickness / 2, part.y(), thickness, part.height())
      .adjusted(0, kEndInset, 0, -kEndInset);
}

SlimScroller::SlimScroller(const QString& baseStyle) : QProxyStyle(baseStyle) {}

int SlimScroller::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
  if (metric == PM_ScrollBarExtent) return kWidth;
  if (metric == PM_ScrollBarSliderMin) return kKnobMinLength;
  return QProxyStyle::pixelMetric(metric, option, widget);
}

int SlimScroller::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                            QStyleHintReturn* returnData) const {
  // Transient scroll bars lie over the content instead of taking room beside it.
  if (hint == SH_ScrollBar_Transient) return 1;
  return QProxyStyle::styleHint(hint, option, widget, returnData);
}

QRect SlimScroller::subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                                   const QWidget* widget) const {
  const auto* s = qstyleoption_cast<const QStyleOptionSlider*>(option);
  if (control != CC_ScrollBar || !s) return QProxyStyle::subControlRect(control, option, sub, widget);
  const QRect r = s->rect;
  const bool horizontal = s->orientation == Qt::Horizontal;
  const auto span = knobSpan(s->minimum, s->maximum, s->pageStep, s->sliderPosition,
                             horizontal ? r.width() : r.height(), kKnobMinLength, s->upsideDown);
  const int start = int(std::lround(span.start)), length = int(std::lround(span.length));
  const auto along = [&](int from, int size) {
    return horizontal ? QRect(r.x() + from, r.y(), size, r.height()) : QRect(r.x(), r.y() + from, r.width(), size);
  };
  const int total = horizontal ? r.width() : r.height();
  switch (sub) {
    case SC_ScrollBarGroove: return r;
    case SC_ScrollBarSlider: return along(start, length);
    case SC_ScrollBarSubPage: return along(0, start);
    case SC_ScrollBarAddPage: return along(start + length, std::max(0, total - start - length));
    default: return {};  // no arrow buttons
  }
}

void SlimScroller::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                      const QWidget* widget) const {
  const auto* s = qstyleoption_cast<const QStyleOptionSlider*>(option);
  if (control != CC_ScrollBar || !s) return QProxyStyle::drawComplexControl(control, option, painter, widget);
  const double proportion = knobProportion(s->minimum, s->maximum, s->pageStep);
  if (!(proportion > 0 && proportion < 1)) return;  // content fits: no slot, no knob
  const bool hovering = s->state & State_MouseOver;
  const bool dragging = (s->state & State_Sunken) && (s->activeSubControls & SC_ScrollBarSlider);
  const bool resting = !hovering && !dragging && !HoverFlasher::isShown(widget);

  const QRectF bounds(s->rect);
  const QColor label = Palette::primaryText().resolve();
  const auto fill = [&](const QRectF& bar, double radius, double alpha) {
    QColor c = label;
    c.setAlphaF(float(alpha));
    painter->setPen(Qt::NoPen);
    painter->setBrush(c);
    painter->drawRoundedRect(bar, radius, radius);
  };
  painter->save();
  painter->setRenderHint(QPainter::Antialiasing);
  // At rest a faint knob alone tells that there is more than the view shows.
  if (!resting)
    fill(slimBar(bounds, subControlRect(control, s, SC_ScrollBarGroove, widget), kSlotThickness), 4,
         hovering ? 0.08 : 0.05);
  const QRect knob = subControlRect(control, s, SC_ScrollBarSlider, widget);
  if (!knob.isEmpty()) fill(slimBar(bounds, knob, kKnobThickness), 3, resting ? kRestingKnob : hovering ? 0.45 : 0.3);
  painter->restore();
}

void SlimScroller::polish(QWidget* widget) {
  QProxyStyle::polish(widget);
  if (auto* bar = qobject_cast<QScrollBar*>(widget)) {
    bar->setAttribute(Qt::WA_Hover);
    bar->setAttribute(Qt::WA_OpaquePaintEvent, false);  // the content shows around the knob
  } else if (auto* area = qobject_cast<QAbstractScrollArea*>(widget)) {
    HoverFlasher::attach(area);
    // A plain scroll area is no stop of its own for Tab: what it holds takes the focus, and it
    // scrolls to show it. (It would take a stop that shows nothing.)
    if (qobject_cast<QScrollArea*>(area)) area->setFocusPolicy(Qt::NoFocus);
  }
}

}  // namespace qel
