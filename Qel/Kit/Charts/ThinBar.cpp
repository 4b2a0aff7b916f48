#include "Qel/Kit/Charts/ThinBar.hpp"

#include <QPainter>

#include <algorithm>
#include <cmath>

#include "Qel/Kit/Style/Palette.hpp"

namespace qel {

double thinBarWidth(double fraction, double trackWidth) {
  const double w = std::max(0.0, trackWidth);
  double bar = 0;
  if (fraction > 1) bar = w;
  else if (fraction > 0) bar = w * fraction;
  return std::max(bar, 2.0);
}

ThinBar::ThinBar(double fraction, AdaptiveColor color, QWidget* parent)
    : QWidget(parent), fraction_(fraction), color_(std::move(color)) {
  setFixedHeight(kHeight);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  Palette::followAppearance(this);
}

void ThinBar::setFraction(double fraction) {
  if (fraction == fraction_) return;
  // A change that leaves the bar's end in the same eighth of a device pixel draws nothing new.
  const double eighths = 8 * devicePixelRatioF();
  const bool moves = std::round(thinBarWidth(fraction, width()) * eighths) !=
                     std::round(thinBarWidth(fraction_, width()) * eighths);
  fraction_ = fraction;
  if (moves) update();
}

void ThinBar::setColor(AdaptiveColor color) {
  if (color == color_) return;
  color_ = std::move(color);
  update();
}

void ThinBar::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  const double h = height(), r = h / 2;
  p.setBrush(Palette::adaptiveOpacity(0.08, 0.08).resolve());
  p.drawRoundedRect(QRectF(0, 0, width(), h), r, r);
  p.setBrush(color_.resolve());
  p.drawRoundedRect(QRectF(0, 0, thinBarWidth(fraction_, width()), h), r, r);
}

}  // namespace qel
