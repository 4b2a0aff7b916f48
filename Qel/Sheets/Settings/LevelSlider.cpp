#include "Qel/Sheets/Settings/LevelSlider.hpp"

#include <QPainter>
#include <QStyleOptionSlider>

#include <algorithm>

#include "Qel/Kit/Style/FocusRing.hpp"
#include "Qel/Kit/Style/Palette.hpp"

namespace qel {

namespace {
constexpr double kTrack = 4, kKnob = 14;
}

LevelSlider::LevelSlider(QWidget* parent) : QSlider(Qt::Horizontal, parent) {
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::TabFocus);
  setMinimumHeight(int(kKnob) + 6);
  Palette::followAppearance(this);
}

QRect LevelSlider::knob() const {
  QStyleOptionSlider option;
  initStyleOption(&option);
  return style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
}

void LevelSlider::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  if (!isEnabled()) p.setOpacity(0.45);
  const double mid = height() / 2.0;
  const QRectF track(kKnob / 2, mid - kTrack / 2, std::max(0.0, width() - kKnob), kTrack);
  const QPointF centre(std::clamp(QRectF(knob()).center().x(), track.left(), track.right()), mid);
  p.setPen(Qt::NoPen);
  p.setBrush(Palette::adaptiveOpacity(0.14, 0.16).resolve());
  p.drawRoundedRect(track, kTrack / 2, kTrack / 2);
  p.setBrush(Palette::calmDeep());  // the switches' "on"
  p.drawRoundedRect(QRectF(track.topLeft(), QPointF(centre.x(), track.bottom())), kTrack / 2, kTrack / 2);
  const QRectF disc(centre.x() - kKnob / 2, mid - kKnob / 2, kKnob, kKnob);
  p.setPen(QPen(Palette::adaptiveOpacity(0.2, 0).resolve(), 1));
  p.setBrush(Palette::knob());
  p.drawEllipse(disc.adjusted(0.5, 0.5, -0.5, -0.5));
  if (focusRingShown(this)) paintFocusRing(p, disc.adjusted(-3, -3, 3, 3), kKnob / 2 + 3);
}

}  // namespace qel
