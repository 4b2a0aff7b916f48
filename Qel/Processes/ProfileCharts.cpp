#include "Qel/Processes/ProfileCharts.hpp"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

#include "Qel/Kit/ChartKit.hpp"
#include "Qel/Kit/Fonts.hpp"
#include "Qel/Kit/Palette.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

namespace {

double finiteOr(double v, double fallback) { return std::isfinite(v) ? v : fallback; }

}  // namespace

MemoryBars memoryBars(const AppProfile& profile, QSizeF size) {
  MemoryBars out;
  const std::size_t n = profile.days.size();
  if (n == 0) return out;
  const double w = size.width(), h = size.height();
  double largest = 0;
  for (const auto& d : profile.days) largest = std::max(largest, finiteOr(d.mem, 0));
  const double top = 1.15 * largest;
  const double slotCount = double(std::max<std::size_t>(n, 12));
  const double step = (w - 12) / slotCount;
  const double barWidth = std::max(step - 2, 1.0);

  std::optional<std::size_t> update;
  if (profile.change)
    for (std::size_t i = 0; i < n && !update; ++i)
      if (profile.days[i].day == profile.change->day) update = i;

  for (std::size_t i = 0; i < n; ++i) {
    const double mem = std::max(finiteOr(profile.days[i].mem, 0), 0.0);
    // Memory below one byte only comes from a nearly empty day; its bar stays within the chart.
    const double fraction = std::clamp(top > 1 ? mem / top : mem, 0.0, 1.0);
    const double height = std::max(h - 10, 0.0) * fraction;
    out.bars.push_back({QRectF(6 + step * double(i) + 1, (h - 4) - height, barWidth, height), update && i < *update});
  }
  if (update) out.updateX = 6 + step * double(*update);
  return out;
}

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

MemoryChart::MemoryChart(AppProfile profile, QWidget* parent) : QWidget(parent), profile_(std::move(profile)) {
  setFixedHeight(74);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  setAccessibleName(QString::fromStdString(L("Memory, last 30 days")));
  Palette::followAppearance(this);
}

void MemoryChart::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(Palette::adaptiveOpacity(0.05, 0.05).resolve());
  p.drawRoundedRect(QRectF(rect()), 10, 10);

  const auto shape = memoryBars(profile_, QSizeF(size()));
  for (const auto& bar : shape.bars) {
    QColor fill = Palette::mem();
    fill.setAlphaF(bar.beforeUpdate ? 0.45f : 0.85f);
    p.setBrush(fill);
    p.drawRoundedRect(bar.rect, 1.5, 1.5);
  }
  if (shape.updateX) {
    QPen dash(Palette::adaptiveOpacity(0.55, 0.55).resolve(), 1, Qt::CustomDashLine, Qt::FlatCap, Qt::MiterJoin);
    dash.setDashPattern({3, 3});
    p.setPen(dash);
    p.drawLine(QPointF(*shape.updateX, 4), QPointF(*shape.updateX, height() - 4));
  }
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
    QColor value = Palette::cpu();
    value.setAlphaF(float(w.opacity));
    p.setBrush(value);
    p.drawPath(Chart::ringSegment(ring.centre, w.inner, w.value, w.from, w.to));
  }
  p.setPen(Palette::tertiaryText().resolve());
  for (const int hour : {0, 6, 12, 18}) {
    const QPointF at = Chart::polar(ring.centre, ring.outer + 7, -Chart::kPi / 2 + hour * Chart::kPi / 12);
    Chart::drawText(p, QString::number(hour), Fonts::text(9.5), at, Qt::AlignCenter, QRectF(rect()));
  }
}

}  // namespace qel
