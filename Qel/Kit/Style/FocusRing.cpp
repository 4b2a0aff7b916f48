#include "Qel/Kit/Style/FocusRing.hpp"

#include <QPainter>
#include <QWidget>

#include <algorithm>

#include "Qel/Kit/FocusWatch.hpp"
#include "Qel/Kit/Style/Legible.hpp"
#include "Qel/Kit/Style/Palette.hpp"

namespace qel {

namespace {

constexpr double kWidth = 1.5;

void stroke(QPainter& painter, const QRectF& box, double radius, const QColor& color, double inset) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(color, kWidth));
  const double r = std::max(radius - inset, 0.0);
  painter.drawRoundedRect(box.adjusted(inset, inset, -inset, -inset), r, r);
  painter.restore();
}

}  // namespace

void paintFocusRing(QPainter& painter, const QRectF& box, double radius) {
  stroke(painter, box, radius, Palette::secondaryText().resolve(), kWidth / 2);
}

QColor focusRingColor(const QColor& fill) {
  const QColor under = fill.alpha() == 255 ? fill : Legible::over(Legible::ground(), fill);
  // Aimed above the 3 to 1 a graphic needs, so the ring's softened edges still reach it.
  return Legible::on(Palette::secondaryText().resolve(), under, 4.5);
}

void paintFocusRing(QPainter& painter, const QRectF& box, double radius, const QColor& fill) {
  // Two pixels of the fill stay outside it, so its edge against the ground stays as it was.
  stroke(painter, box, radius, focusRingColor(fill), kWidth / 2 + 2);
}

bool keyboardNavigating() { return FocusWatch::get().keyboard(); }

bool focusRingShown(const QWidget* widget) { return widget && widget->hasFocus() && keyboardNavigating(); }

}  // namespace qel
