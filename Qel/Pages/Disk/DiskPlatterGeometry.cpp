#include "Qel/Pages/Disk/DiskPlatterGeometry.hpp"

#include <algorithm>
#include <cmath>

#include <QRectF>

#include "Qel/Kit/Charts/ChartKit.hpp"

namespace qel {

namespace {

// Between the "Now" tick's middle and a label beside it: half the tick's width and a little air.
constexpr double kTickClearance = 2;

double finiteRate(double v) { return std::isfinite(v) ? std::max(v, 0.0) : 0.0; }

double angleOf(std::size_t i, std::size_t n) { return 2 * Chart::kPi * (double(i) + 0.5) / double(n) - Chart::kPi / 2; }

// The used, purgeable and free stretches of the ring, from the top, clockwise.
std::vector<SpaceSegment> spaceSegments(const DiskDetail& detail) {
  std::vector<SpaceSegment> space;
  const double t = detail.total > 1 ? double(detail.total) : 1.0;
  // Everything the user can't write counts as used, the blocks kept for root too, so the three
  // stretches close the ring.
  const double used = detail.free < detail.total ? double(detail.total - detail.free) : 0.0;
  const double rest = std::max(double(detail.free) - double(detail.purgeable), 0.0);
  const std::pair<double, SpaceTone> parts[] = {{used / t, SpaceTone::used},
                                                {double(detail.purgeable) / t, SpaceTone::purgeable},
                                                {rest / t, SpaceTone::free}};
  double a = -Chart::kPi / 2, left = 1;
  for (const auto& [f, tone] : parts) {
    if (!(f > 0.002) || !(left > 0.002)) continue;
    const double span = 2 * Chart::kPi * std::min(f, left);
    left -= std::min(f, left);
    const double trim = std::min(0.009, span / 4);
    space.push_back({a + trim, a + span - trim, tone});
    a += span;
  }
  return space;
}

// The dot at the highest of `values` (above 1 MB/s only) and where its label goes: outside the
// read wave, or inside the write wave unless that lands on the middle's text.
std::optional<PeakMark> peakMark(const DiskPlatter& p, std::span<const double> values, bool outward, QSizeF middle,
                                 QSizeF label) {
  const std::size_t n = values.size();
  std::size_t at = 0;
  double top = -1;
  for (std::size_t i = 0; i < n; ++i)
    if (finiteRate(values[i]) > top) top = finiteRate(values[at = i]);
  if (!(top > 1'000'000)) return std::nullopt;
  const double f = std::min(top / p.scale, 1.0);
  const double r = outward ? p.outer + 0.08 * (p.outer - p.base) * f + 10 : p.inner - 0.08 * (p.base - p.inner) * f - 10;
  const double angle = angleOf(at, n);
  double labelR = outward ? r + 14 : r - 14;
  if (!outward && middle.isValid()) {
    const QRectF block(p.centre - QPointF(middle.width(), middle.height()) / 2, middle);
    const auto onBlock = [&](double radius) {
      const QPointF at = Chart::polar(p.centre, radius, angle);
      return QRectF(at - QPointF(label.width(), label.height()) / 2, label).intersects(block);
    };
    if (onBlock(labelR)) {
      labelR = r + 14;
      while (onBlock(labelR) && labelR < p.base) labelR += 1;
    }
  }
  QPointF place = Chart::polar(p.centre, labelR, angle);
  // A peak in the newest or oldest seconds sits by the "Now" tick, which would cross its label:
  // the label steps aside to its dot's side of the tick.
  if (label.isValid()) {
    const double tickTop = p.centre.y() - p.outer - 4, tickFoot = p.centre.y() - p.inner + 4;
    const double clear = label.width() / 2 + kTickClearance;
    if (std::abs(place.x() - p.centre.x()) < clear && place.y() + label.height() / 2 > tickTop &&
        place.y() - label.height() / 2 < tickFoot)
      place.setX(p.centre.x() + (std::cos(angle) < 0 ? -clear : clear));
  }
  return PeakMark{Chart::polar(p.centre, r, angle), place, top};
}

}  // namespace

DiskPlatter diskPlatter(const DiskDetail& detail, std::span<const double> reads, std::span<const double> writes,
                        double side, QSizeF middle, QSizeF label) {
  DiskPlatter p;
  if (!(side > 0) || !std::isfinite(side)) return p;
  p.centre = {side / 2, side / 2};
  p.ring = std::max(side / 2 - 26, 0.0);

  p.space = spaceSegments(detail);

  const std::size_t n = std::min(reads.size(), writes.size());
  if (n < 2 || p.ring <= 0) return p;
  p.activity = true;
  p.base = 0.56 * p.ring;
  p.outer = 0.75 * p.ring;
  p.inner = 0.38 * p.ring;
  double top = 2'000'000;
  for (std::size_t i = 0; i < n; ++i) top = std::max({top, finiteRate(reads[i]), finiteRate(writes[i])});
  p.scale = 1.1 * top;

  for (std::size_t i = 0; i < n; ++i) {
    const double angle = angleOf(i, n);
    const double fr = std::clamp(finiteRate(reads[i]) / p.scale, 0.0, 1.0);
    const double fw = std::clamp(finiteRate(writes[i]) / p.scale, 0.0, 1.0);
    p.reads.push_back(Chart::polar(p.centre, p.base + (p.outer - p.base) * fr, angle));
    p.writes.push_back(Chart::polar(p.centre, p.base - (p.base - p.inner) * fw, angle));
    p.baseline.push_back(Chart::polar(p.centre, p.base, angle));
  }

  p.readPeak = peakMark(p, reads.first(n), true, middle, label);
  p.writePeak = peakMark(p, writes.first(n), false, middle, label);
  return p;
}

}  // namespace qel
