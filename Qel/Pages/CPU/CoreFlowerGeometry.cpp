#include "Qel/Pages/CPU/CoreFlowerGeometry.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace qel {

int litSegments(double load) {
  if (!std::isfinite(load)) return 0;
  return int(std::clamp(std::ceil(std::clamp(load, 0.0, 1.0) * 10), 0.0, 10.0));
}

namespace {

SegmentTone toneOf(int j, int lit, int peakSeg, bool efficiency) {
  if (j < lit) {
    if (j >= 8) return SegmentTone::strain;
    if (j >= 6) return SegmentTone::warn;
    return efficiency ? SegmentTone::cpuPale : SegmentTone::cpu;
  }
  return j == peakSeg - 1 ? SegmentTone::peak : SegmentTone::track;
}

}  // namespace

double flowerHole(double side) { return 0.44 * (side / 2 - 40); }

CoreFlower coreFlower(std::span<const double> loads, std::span<const double> peaks, int efficiencyCores, double side) {
  CoreFlower f;
  const int n = int(loads.size());
  if (n == 0 || !std::isfinite(side)) return f;
  const int E = std::max(efficiencyCores, 0);
  const int e = std::min(n, E), p = n - e;
  f.centre = {side / 2, side / 2};
  f.outer = side / 2 - 40;
  f.inner = flowerHole(side);
  f.pitch = (f.outer - f.inner) / 10;
  if (f.inner <= 0) return CoreFlower{};  // no ring left at this size

  const double pi = std::numbers::pi;
  f.gap = E >= 1 ? 0.32 : 0.0;
  f.step = (2 * pi - 2 * f.gap) / n;
  f.halfWidth = 0.32 * f.step;
  const auto angle = [&](double slot, bool efficiency) {
    return -pi / 2 + f.gap / 2 + (efficiency ? f.gap : 0.0) + f.step * (slot + 0.5);
  };

  f.segments.reserve(std::size_t(n) * 10);
  for (int i = 0; i < n; ++i) {
    const bool efficiency = E >= 1 && i >= p;
    const int core = efficiency ? i - p : e + i;
    const double a = angle(i, efficiency);
    f.slotAngles.push_back(a);
    f.slotCores.push_back(core);
    const double load = std::isfinite(loads[std::size_t(core)]) ? loads[std::size_t(core)] : 0.0;
    double peak = load;
    if (std::size_t(core) < peaks.size() && std::isfinite(peaks[std::size_t(core)])) peak = peaks[std::size_t(core)];
    const int lit = litSegments(load);
    const int peakSeg = litSegments(peak);
    for (int j = 0; j < 10; ++j) {
      const double inner = f.inner + f.pitch * j + 1, outer = f.inner + f.pitch * (j + 1) - 1.5;
      if (outer <= inner) continue;  // too small to separate the segments
      f.segments.push_back({i, j, inner, outer, a - f.halfWidth, a + f.halfWidth, toneOf(j, lit, peakSeg, efficiency)});
    }
  }
  if (E >= 1) {
    const auto label = [&](double display, bool efficiency) {
      const double a = angle(display, e > 0 && display >= p);
      f.labels.push_back({efficiency, f.centre + QPointF(std::cos(a), std::sin(a)) * (f.outer + 18)});
    };
    label((p - 1) / 2.0, false);
    label(p + (e - 1) / 2.0, true);
  }
  return f;
}

}  // namespace qel
