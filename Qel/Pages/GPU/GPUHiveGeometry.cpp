#include "Qel/Pages/GPU/GPUHiveGeometry.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace qel {

int hiveCellCount(const std::optional<GPUSample>& gpu) {
  if (gpu && gpu->cores && *gpu->cores >= 4 && *gpu->cores <= 80) return *gpu->cores;
  return 37;
}

std::vector<QPointF> hiveLayout(int count) {
  constexpr double root3 = 1.7320508075688772;
  struct Lattice {
    int q, r;
    int distance() const { return q * q + q * r + r * r; }  // the squared distance over 3, exact
  };
  std::vector<Lattice> lattice;
  lattice.reserve(225);
  for (int q = -7; q <= 7; ++q)
    for (int r = -7; r <= 7; ++r) lattice.push_back({q, r});
  // Stable, on exact distances: the six cells of each ring tie, and their generation order is the
  // fill order (rounding in a floating-point distance would break some ties at random).
  std::stable_sort(lattice.begin(), lattice.end(),
                   [](const Lattice& a, const Lattice& b) { return a.distance() < b.distance(); });
  lattice.resize(std::size_t(std::clamp(count, 0, int(lattice.size()))));
  std::vector<QPointF> points;
  points.reserve(lattice.size());
  for (const auto& l : lattice) points.emplace_back((l.q + l.r / 2.0) * root3, 1.5 * l.r);
  return points;
}

std::vector<QPointF> hexagon(QPointF c, double s) {
  constexpr double k = 0.8660254;
  return {{c.x() + k * s, c.y() - 0.5 * s}, {c.x() + k * s, c.y() + 0.5 * s}, {c.x(), c.y() + s},
          {c.x() - k * s, c.y() + 0.5 * s}, {c.x() - k * s, c.y() - 0.5 * s}, {c.x(), c.y() - s}};
}

GPUHive gpuHive(const std::optional<GPUSample>& gpu, std::span<const double> history, double side) {
  GPUHive h;
  if (!std::isfinite(side)) return h;
  h.centre = {side / 2, side / 2};
  h.outer = side / 2 - 30;
  h.inner = 0.86 * h.outer;
  if (h.outer <= 0) return GPUHive{};
  h.now = {h.centre.x(), h.centre.y() - h.outer - 14};

  const int n = hiveCellCount(gpu);
  const auto points = hiveLayout(n);
  double farthest = 0;
  for (const auto& p : points) farthest = std::max(farthest, std::hypot(p.x(), p.y()));
  const double scale = points.empty() ? 0.72 * h.outer / 2.1 : 0.72 * h.outer / (farthest + 1.1);
  const double u = gpu && std::isfinite(gpu->util) ? gpu->util : 0.0;
  const double lit = u * n;
  for (std::size_t k = 0; k < points.size(); ++k) {
    const double f = std::clamp(lit - double(k), 0.0, 1.0);
    h.cells.push_back({h.centre + points[k] * scale, 0.9 * scale, 0.08 + 0.87 * f,
                       u >= 0.9 && f > 0 ? HiveTone::hot : HiveTone::gpu});
  }

  const std::size_t m = history.size();
  const double step = 2 * std::numbers::pi / double(std::max<std::size_t>(m, 1));
  const double half = 0.33 * step;
  for (std::size_t i = 0; i < m; ++i) {
    const double v = history[i];
    const double a = step * (double(i) + 0.5) - std::numbers::pi / 2;
    const double shown = std::isnan(v) ? 0.05 : std::clamp(v, 0.05, 1.0);
    const HiveTone tone = v >= 0.88 ? HiveTone::strain : v >= 0.7 ? HiveTone::warn : HiveTone::gpu;
    h.wedges.push_back({a - half, a + half, h.inner, h.inner + (h.outer - h.inner) * shown,
                        0.3 + 0.7 * double(i) / double(std::max<std::size_t>(m, 2) - 1), tone});
  }
  return h;
}

}  // namespace qel
