#include "Qel/MenuBar/MiniRing.hpp"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "Qel/Kit/PanelStyle.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

std::vector<RingWedge> miniRingWedges(const std::vector<double>& values, int ring, QSizeF size) {
  std::vector<RingWedge> out;
  const double radius = std::min(size.width(), size.height()) / 2 - 2;
  const double thickness = (0.58 * radius - 3) / 2;
  if (values.empty() || thickness <= 0) return out;
  const double outer = radius - ring * (thickness + 3);
  const double inner = outer - thickness;
  const auto n = double(values.size());
  const double slot = 2 * std::numbers::pi / n;
  for (std::size_t j = 0; j < values.size(); ++j) {
    const double v = std::isfinite(values[j]) ? values[j] : 0;
    const double centre = -std::numbers::pi / 2 + slot * (double(j) + 0.5);
    const double f = std::min(std::max(v, 0.05), 1.0);
    const WedgeTone tone = v >= 0.88 ? WedgeTone::hot : v >= 0.7 ? WedgeTone::warm : WedgeTone::series;
    out.push_back({centre - 0.3 * slot, centre + 0.3 * slot, inner, outer, inner + thickness * f, tone,
                   0.3 + 0.7 * double(j) / (std::max(n, 2.0) - 1)});
  }
  return out;
}

QPainterPath ringSector(QPointF centre, double inner, double outer, double start, double end) {
  // Qt's arcs run counter-clockwise in degrees; screen angles run clockwise.
  const auto deg = [](double rad) { return -rad * 180 / std::numbers::pi; };
  QPainterPath path;
  const QRectF out(centre.x() - outer, centre.y() - outer, 2 * outer, 2 * outer);
  const QRectF in(centre.x() - inner, centre.y() - inner, 2 * inner, 2 * inner);
  path.arcMoveTo(out, deg(start));
  path.arcTo(out, deg(start), deg(end) - deg(start));
  path.arcTo(in, deg(end), deg(start) - deg(end));
  path.closeSubpath();
  path.setFillRule(Qt::WindingFill);
  return path;
}

MiniRing::MiniRing(const LiveState& live, QWidget* parent) : QWidget(parent), live_(live) {
  setFixedSize(92, 92);
  setAccessibleName(QString::fromStdString(L("CPU and memory over the last 60 seconds")));
}

void MiniRing::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  const QPointF centre(width() / 2.0, height() / 2.0);
  const QColor series[] = {PanelStyle::accent(), PanelStyle::memory()};
  const std::vector<double>* hist[] = {&live_.cpuHist(), &live_.memHist()};
  for (int ring = 0; ring < 2; ++ring) {
    for (const auto& w : miniRingWedges(*hist[ring], ring, QSizeF(size()))) {
      p.setBrush(PanelStyle::shade(0.05));
      p.drawPath(ringSector(centre, w.innerRadius, w.outerRadius, w.startAngle, w.endAngle));
      QColor c = w.tone == WedgeTone::hot ? PanelStyle::hot() : w.tone == WedgeTone::warm ? PanelStyle::warm() : series[ring];
      c.setAlphaF(float(w.opacity));
      p.setBrush(c);
      p.drawPath(ringSector(centre, w.innerRadius, w.valueOuterRadius, w.startAngle, w.endAngle));
    }
  }
}

}  // namespace qel
