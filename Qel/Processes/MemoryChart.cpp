#include "Qel/Processes/MemoryChart.hpp"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

#include "Qel/Kit/Charts/ChartKit.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

namespace {

double finiteOr(double v, double fallback) { return std::isfinite(v) ? v : fallback; }

constexpr double kBarCorner = 1.5;  // the chart's bars: their shape, not a card's radius

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
  p.drawRoundedRect(QRectF(rect()), Radius::cardSmall, Radius::cardSmall);

  const auto shape = memoryBars(profile_, QSizeF(size()));
  for (const auto& bar : shape.bars) {
    p.setBrush(Palette::withAlpha(Palette::mem(), bar.beforeUpdate ? 0.45 : 0.85));
    p.drawRoundedRect(bar.rect, kBarCorner, kBarCorner);
  }
  if (shape.updateX) {
    QPen dash(Palette::adaptiveOpacity(0.55, 0.55).resolve(), 1, Qt::CustomDashLine, Qt::FlatCap, Qt::MiterJoin);
    dash.setDashPattern({3, 3});
    p.setPen(dash);
    p.drawLine(QPointF(*shape.updateX, 4), QPointF(*shape.updateX, height() - 4));
  }
}

}  // namespace qel
