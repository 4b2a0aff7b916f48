#include "Qel/Processes/HoursRing.hpp"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

#include "Qel/Kit/Charts/ChartKit.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

namespace {

double finiteOr(double v, double fallback) { return std::isfinite(v) ? v : fallback; }

}  // namespace

HourRing hourRing(const std::array<double, 24>& hours, QSizeF size) {
  HourRing ring;
  ring.centre = QPointF(size.width() / 2, size.height() / 2);
  ring.outer = std::max(size.width() / 2 - 12, 0.0);
  const double inner = 0.42 * ring.outer;
  for (int h = 0; h < 24; ++h) {
    const double mid = -Chart::kPi / 2 + (h + 0.5) * Chart::kPi / 12;
    const double v = finiteOr(hours[std::size_t(h)], 0);
    HourWedge& wedge = ring.hours[std::size_t(h)];
    wedge.from = mid - 0.03 * Chart::kPi;
    wedge.to = mid + 0.03 * Chart::kPi;
    wedge.inner = inner;
    wedge.track = ring.outer;
    wedge.value = inner + (ring.outer - inner) * std::clamp(v, 0.05, 1.0);
    wedge.opacity = std::clamp(0.35 + 0.6 * v, 0.0, 1.0);
  }
  return ring;
}

HoursRing::HoursRing(const std::array<double, 24>& hours, QWidget* parent) : QWidget(parent), hours_(hours) {
  setFixedSize(kSize, kSize);
  Palette::followAppearance(this);
}

void HoursRing::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  const HourRing ring = hourRing(hours_, QSizeF(size()));
  for (const auto& w : ring.hours) {
    p.setBrush(Palette::adaptiveOpacity(0.05, 0.05).resolve());
    p.drawPath(Chart::ringSegment(ring.centre, w.inner, w.track, w.from, w.to));
    p.setBrush(Palette::withAlpha(Palette::cpu(), w.opacity));
    p.drawPath(Chart::ringSegment(ring.centre, w.inner, w.value, w.from, w.to));
  }
  p.setPen(Palette::tertiaryText().resolve());
  for (const int hour : {0, 6, 12, 18}) {
    const QPointF at = Chart::polar(ring.centre, ring.outer + 7, -Chart::kPi / 2 + hour * Chart::kPi / 12);
    Chart::drawText(p, QString::number(hour), Fonts::text(Type::tick), at, Qt::AlignCenter, QRectF(rect()));
  }
}

}  // namespace qel
