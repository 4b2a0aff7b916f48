#include "Qel/Pages/Energy/EnergyRingGeometry.hpp"

#include <algorithm>
#include <cmath>

#include "Qel/Kit/Charts/ChartKit.hpp"

namespace qel {

namespace {

constexpr double kStep = 2 * Chart::kPi / kEnergySlots;
constexpr double kHalfWedge = 0.36 * kStep;
constexpr double kFloorWatts = 5;
constexpr std::size_t kSlots = kEnergySlots;

double at(const std::vector<double>& series, std::size_t i) {
  if (i >= series.size()) return 0;
  const double v = series[i];
  return std::isfinite(v) ? v : 0;
}

}  // namespace

std::pair<double, double> energySlotSpan(int slot) {
  const double mid = (slot + 0.5) * kStep - Chart::kPi / 2;
  return {mid - kHalfWedge, mid + kHalfWedge};
}

EnergyRingLayout energyRingLayout(double side, const EnergyRingInput& in) {
  EnergyRingLayout out;
  out.centre = 0.5 * side;
  out.outer = out.centre - 46;
  out.inner = 0.46 * out.outer;
  out.batteryRadius = out.inner - 14;

  std::vector<double> total(kSlots, 0.0);
  for (const auto& [pid, series] : in.everyProcess)
    for (std::size_t i = 0; i < kSlots; ++i) total[i] += std::max(at(series, i), 0.0);
  double most = 0;
  for (std::size_t i = 0; i < kSlots; ++i) {
    total[i] = std::max(total[i], at(in.powerHist, i));
    most = std::max(most, total[i]);
  }
  out.scale = 1.08 * most > kFloorWatts ? 1.08 * most : kFloorWatts;
  const double perWatt = (out.outer - out.inner) / out.scale;

  for (std::size_t i = 0; i < kSlots; ++i) {
    const int slot = int(i);
    const double age = 0.35 + 0.65 * double(i) / (kSlots - 1);
    out.wedges.push_back({EnergyWedge::Kind::background, slot, 0, out.inner, out.outer, 0.04});
    double radius = out.inner, stacked = 0;
    for (std::size_t j = 0; j < in.layers.size(); ++j) {
      const double v = at(in.layers[j], i);
      if (!(v > 0)) continue;
      out.wedges.push_back({EnergyWedge::Kind::layer, slot, int(j % 5), radius, radius + perWatt * v, age});
      stacked += v;
      radius += perWatt * v;
    }
    const double rest = total[i] - stacked;
    if (rest > 0) out.wedges.push_back({EnergyWedge::Kind::remainder, slot, 0, radius, radius + perWatt * rest, 0.25 * age});
  }
  return out;
}

double batteryArcSweep(int percent) { return std::clamp(percent, 0, 100) * 2 * Chart::kPi / 100; }

}  // namespace qel
