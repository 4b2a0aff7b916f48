#include "Qel/Kit/FocusRing.hpp"

#include <QPainter>
#include <QWidget>

#include <algorithm>

#include "Qel/Kit/FocusWatch.hpp"
#include "Qel/Kit/Palette.hpp"

namespace qel {

void paintFocusRing(QPainter& painter, const QRectF& box, double radius) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(Palette::secondaryText().resolve(), 1.5));
  painter.drawRoundedRect(box.adjusted(0.75, 0.75, -0.75, -0.75), std::max(radius - 0.75, 0.0),
                          std::max(radius - 0.75, 0.0));
  painter.restore();
}

bool keyboardNavigating() { return FocusWatch::get().keyboard(); }

bool focusRingShown(const QWidget* widget) { return widget && widget->hasFocus() && keyboardNavigating(); }

}  // namespace qel
