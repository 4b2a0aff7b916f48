// The energy ring's wedges and scale, and the round battery gauge: where each second sits on the
// clock face, how a second's draw is stacked, and that no reading is drawn past its range.
#include <gtest/gtest.h>

#include <cmath>

#include "Qel/Kit/Charts/BatteryGauge.hpp"
#include "Qel/Kit/Charts/ChartKit.hpp"
#include "Qel/Pages/Energy/EnergyRingGeometry.hpp"

using namespace qel;

namespace {

using Kind = EnergyWedge::Kind;

std::vector<EnergyWedge> ofSlot(const EnergyRingLayout& l, int slot, Kind kind) {
  std::vector<EnergyWedge> out;
  for (const auto& w : l.wedges)
    if (w.slot == slot && w.kind == kind) out.push_back(w);
  return out;
}

std::size_t count(const EnergyRingLayout& l, Kind kind) {
  return std::size_t(std::count_if(l.wedges.begin(), l.wedges.end(), [kind](auto& w) { return w.kind == kind; }));
}

}  // namespace

TEST(EnergyRingGeometry, theOldestSecondFollowsTwelveAndNowPrecedesIt) {
  const double top = -Chart::kPi / 2, step = 2 * Chart::kPi / 60;
  const auto [from0, to0] = energySlotSpan(0);
  EXPECT_GT(from0, top);  // just clockwise of twelve
  EXPECT_LT(to0, top + step);
  EXPECT_NEAR(to0 - from0, 0.72 * step, 1e-12);
  const auto [from59, to59] = energySlotSpan(59);
  EXPECT_LT(to59, top + 2 * Chart::kPi);  // just before twelve, coming round
  EXPECT_GT(from59, top + 2 * Chart::kPi - step);
  // Slot 15 is at three o'clock's side, slot 45 at nine's.
  EXPECT_GT(std::cos(energySlotSpan(15).first), 0.99);
  EXPECT_LT(std::cos(energySlotSpan(45).first), -0.99);
}

TEST(EnergyRingGeometry, radiiAndTheFiveWattFloor) {
  const std::vector<std::vector<double>> none;
  const std::map<std::int32_t, std::vector<double>> empty;
  const std::vector<double> noHistory;
  const auto idle = energyRingLayout(300, {none, empty, noHistory});
  EXPECT_DOUBLE_EQ(idle.outer, 104);
  EXPECT_DOUBLE_EQ(idle.inner, 47.84);
  EXPECT_DOUBLE_EQ(idle.batteryRadius, 33.84);
  EXPECT_DOUBLE_EQ(idle.scale, 5);
  EXPECT_EQ(idle.wedges.size(), 60u);  // backgrounds only
  EXPECT_EQ(count(idle, Kind::background), 60u);

  // One process at a steady 2 W fills 40 % of the depth, with no grey.
  const std::map<std::int32_t, std::vector<double>> steady{{5, std::vector<double>(60, 2.0)}};
  const std::vector<std::vector<double>> one{steady.at(5)};
  const auto l = energyRingLayout(300, {one, steady, noHistory});
  const auto layer = ofSlot(l, 30, Kind::layer);
  ASSERT_EQ(layer.size(), 1u);
  EXPECT_NEAR(layer[0].outer - layer[0].inner, 0.4 * (l.outer - l.inner), 1e-9);
  EXPECT_EQ(count(l, Kind::remainder), 0u);
  EXPECT_DOUBLE_EQ(ofSlot(l, 0, Kind::layer)[0].opacity, 0.35);  // the oldest second is faint
  EXPECT_DOUBLE_EQ(ofSlot(l, 59, Kind::layer)[0].opacity, 1.0);
}

TEST(EnergyRingGeometry, measuredPowerAboveTheProcessesIsGrey) {
  const std::map<std::int32_t, std::vector<double>> all{{1, std::vector<double>(60, 8.0)},
                                                        {2, std::vector<double>(60, 4.0)}};
  const std::vector<std::vector<double>> layers{all.at(1), all.at(2)};
  const std::vector<double> measured(60, 20.0);
  const auto l = energyRingLayout(500, {layers, all, measured});
  EXPECT_DOUBLE_EQ(l.scale, 21.6);
  const auto grey = ofSlot(l, 10, Kind::remainder);
  ASSERT_EQ(grey.size(), 1u);
  EXPECT_NEAR(grey[0].outer, l.inner + 20 / 21.6 * (l.outer - l.inner), 1e-9);
  EXPECT_NEAR(grey[0].outer - grey[0].inner, 8 / 21.6 * (l.outer - l.inner), 1e-9);

  // Processes drawing more than was measured: the total follows them; the grey is who's unstacked.
  const std::vector<std::vector<double>> first{all.at(1)};
  const std::vector<double> low(60, 3.0);
  const auto over = energyRingLayout(500, {first, all, low});
  EXPECT_DOUBLE_EQ(over.scale, 1.08 * 12);
  const auto rest = ofSlot(over, 0, Kind::remainder);
  ASSERT_EQ(rest.size(), 1u);
  EXPECT_NEAR(rest[0].outer - rest[0].inner, 4 / over.scale * (over.outer - over.inner), 1e-9);
}

TEST(EnergyRingGeometry, badReadingsDrawNothing) {
  std::map<std::int32_t, std::vector<double>> all{{1, {-3, NAN, INFINITY, 1.0}}};
  for (std::int32_t pid = 2; pid <= 6; ++pid) all[pid] = std::vector<double>(90, 1.0);
  std::vector<std::vector<double>> layers;
  for (const auto& [pid, series] : all) layers.push_back(series);
  const std::vector<double> history{NAN, -INFINITY};
  const auto l = energyRingLayout(400, {layers, all, history});
  EXPECT_DOUBLE_EQ(l.scale, 1.08 * 6);
  for (const auto& w : l.wedges) {
    EXPECT_TRUE(std::isfinite(w.inner) && std::isfinite(w.outer));
    EXPECT_LE(w.inner, w.outer);
    EXPECT_LE(w.outer, l.outer + 1e-9);
  }
  EXPECT_EQ(ofSlot(l, 0, Kind::layer).size(), 5u);  // the negative second of the first is left out
  EXPECT_EQ(ofSlot(l, 1, Kind::layer).size(), 5u);
  EXPECT_EQ(ofSlot(l, 1, Kind::remainder).size(), 0u);
  EXPECT_EQ(ofSlot(l, 3, Kind::layer).size(), 6u);
  EXPECT_EQ(ofSlot(l, 3, Kind::layer)[5].colour, 0);  // the sixth wraps to the first colour
  EXPECT_EQ(ofSlot(l, 59, Kind::layer).size(), 5u);   // a series past sixty values is cut
}

TEST(BatteryGaugeShape, readingsOutsideTheRangeStayInIt) {
  EXPECT_EQ(batteryArcSweep(-5), 0);
  EXPECT_DOUBLE_EQ(batteryArcSweep(50), Chart::kPi);
  EXPECT_DOUBLE_EQ(batteryArcSweep(250), 2 * Chart::kPi);

  const auto full = batteryGaugeShape({56, 56}, 100);
  EXPECT_EQ(full.circle, QRectF(3, 3, 50, 50));
  EXPECT_EQ(full.fraction, 1.0);
  EXPECT_FALSE(full.warning);
  EXPECT_EQ(batteryGaugeShape({56, 56}, 101).fraction, 1.0);
  EXPECT_EQ(batteryGaugeShape({56, 56}, 0).fraction, 0.0);
  EXPECT_EQ(batteryGaugeShape({56, 56}, -7).fraction, 0.0);
  EXPECT_TRUE(batteryGaugeShape({56, 56}, 19).warning);
  EXPECT_FALSE(batteryGaugeShape({56, 56}, 20).warning);
  EXPECT_EQ(batteryGaugeShape({80, 56}, 50).circle, QRectF(15, 3, 50, 50));  // centred in the wider box
  EXPECT_TRUE(batteryGaugeShape({4, 4}, 50).circle.width() >= 0);
}
