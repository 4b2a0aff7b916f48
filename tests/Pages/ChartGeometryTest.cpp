// The pages' chart geometry as plain numbers: angle conversion, ring segments, anchors, the
// per-core chart and its ordering of core kinds.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "Qel/Kit/Charts/ChartKit.hpp"
#include "Qel/Pages/CPU/CoreFlowerGeometry.hpp"

using namespace qel;

namespace {
constexpr double pi = std::numbers::pi;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
}  // namespace

TEST(ChartKit, convertsClockwiseRadiansToQtDegrees) {
  EXPECT_DOUBLE_EQ(Chart::qtDegrees(-pi / 2), 90);  // twelve o'clock
  EXPECT_DOUBLE_EQ(Chart::qtDegrees(pi / 2), -90);  // six o'clock
  EXPECT_DOUBLE_EQ(Chart::qtDegrees(0), 0);
  const QPointF top = Chart::polar({50, 50}, 10, -pi / 2);
  EXPECT_NEAR(top.x(), 50, 1e-9);
  EXPECT_NEAR(top.y(), 40, 1e-9);

  // A quarter from twelve to three o'clock covers the upper right and nothing else.
  const QPainterPath quarter = Chart::ringSegment({50, 50}, 20, 30, -pi / 2, 0);
  EXPECT_TRUE(quarter.contains(QPointF(50 + 17.7, 50 - 17.7)));
  EXPECT_FALSE(quarter.contains(QPointF(50 - 17.7, 50 - 17.7)));
  EXPECT_FALSE(quarter.contains(QPointF(50 + 17.7, 50 + 17.7)));
  EXPECT_FALSE(quarter.contains(QPointF(50 + 10, 50 - 10)));  // inside the hole

  EXPECT_TRUE(Chart::ringSegment({50, 50}, 0, 30, 0, 1).isEmpty());
  EXPECT_TRUE(Chart::ringSegment({50, 50}, 20, 20, 0, 1).isEmpty());
  EXPECT_TRUE(Chart::ringSegment({50, 50}, -5, -1, 0, 1).isEmpty());
  EXPECT_TRUE(Chart::ringSegment({50, 50}, 10, 20, kNaN, 1).isEmpty());
  EXPECT_TRUE(Chart::arc({50, 50}, 0, 0, 1).isEmpty());
  EXPECT_TRUE(Chart::arc({50, 50}, kInf, 0, 1).isEmpty());
}

TEST(ChartKit, anchorsTextRectangles) {
  const QSizeF size(40, 10);
  EXPECT_EQ(Chart::anchoredRect(size, {100, 100}, Qt::AlignCenter), QRectF(80, 95, 40, 10));
  EXPECT_EQ(Chart::anchoredRect(size, {100, 100}, Qt::AlignLeft | Qt::AlignTop), QRectF(100, 100, 40, 10));
  EXPECT_EQ(Chart::anchoredRect(size, {100, 100}, Qt::AlignRight | Qt::AlignBottom), QRectF(60, 90, 40, 10));
  EXPECT_EQ(Chart::anchoredRect(size, {100, 100}, Qt::AlignHCenter | Qt::AlignBottom), QRectF(80, 90, 40, 10));
}

TEST(CoreFlower, lightsSegmentsByLoadAndMarksThePeak) {
  EXPECT_EQ(litSegments(0), 0);
  EXPECT_EQ(litSegments(0.05), 1);
  EXPECT_EQ(litSegments(1e-9), 1);
  EXPECT_EQ(litSegments(0.6), 6);
  EXPECT_EQ(litSegments(1.0), 10);
  EXPECT_EQ(litSegments(3.0), 10);
  EXPECT_EQ(litSegments(-0.5), 0);
  EXPECT_EQ(litSegments(kNaN), 0);
  EXPECT_EQ(litSegments(kInf), 0);

  using T = SegmentTone;
  const auto tones = [](double load, double peak) {
    const double loads[] = {load}, peaks[] = {peak};
    std::vector<T> out;
    for (const auto& s : coreFlower(loads, peaks, 0, 400).segments) out.push_back(s.tone);
    return out;
  };
  const std::vector<T> full{T::cpu, T::cpu, T::cpu, T::cpu, T::cpu, T::cpu, T::warn, T::warn, T::strain, T::strain};
  EXPECT_EQ(tones(1.0, 1.0), full);
  EXPECT_EQ(tones(0.2, 0.43), (std::vector<T>{T::cpu, T::cpu, T::track, T::track, T::peak, T::track, T::track,
                                               T::track, T::track, T::track}));
  EXPECT_EQ(tones(0.5, 0.5), (std::vector<T>{T::cpu, T::cpu, T::cpu, T::cpu, T::cpu, T::track, T::track, T::track,
                                              T::track, T::track}));
  // An unusable load counts as idle; an unusable peak as the load.
  EXPECT_EQ(tones(kNaN, 0.3)[2], T::peak);
  EXPECT_EQ(tones(0.3, kNaN), tones(0.3, 0.3));

  // A missing peak counts as the load: no mark.
  const double loads[] = {0.3, 0.3}, peaks[] = {0.9};
  const auto f = coreFlower(loads, peaks, 0, 400);
  int marks = 0;
  for (const auto& s : f.segments) marks += s.tone == T::peak && s.slot == 1;
  EXPECT_EQ(marks, 0);
}

TEST(CoreFlower, placesTheRingAndTheGroupsAsMeasured) {
  // 8 performance and 4 efficiency cores in a 400-pixel square.
  std::vector<double> loads(12, 0.5);
  loads[0] = 0.1;  // an efficiency core
  const auto f = coreFlower(loads, {}, 4, 400);
  EXPECT_DOUBLE_EQ(f.outer, 160);
  EXPECT_DOUBLE_EQ(f.inner, 70.4);
  EXPECT_DOUBLE_EQ(f.pitch, 8.96);
  EXPECT_DOUBLE_EQ(f.gap, 0.32);
  const double step = (2 * pi - 0.64) / 12;
  EXPECT_DOUBLE_EQ(f.step, step);
  EXPECT_DOUBLE_EQ(f.halfWidth, 0.32 * step);
  EXPECT_DOUBLE_EQ(f.slotAngles[0], -pi / 2 + 0.16 + step * 0.5);
  EXPECT_DOUBLE_EQ(f.slotAngles[8], -pi / 2 + 0.16 + 0.32 + step * 8.5);
  EXPECT_NEAR(f.slotAngles[11] + step / 2, 3 * pi / 2 - 0.16, 1e-12);  // ends gap/2 before twelve
  EXPECT_EQ(f.slotCores, (std::vector<int>{4, 5, 6, 7, 8, 9, 10, 11, 0, 1, 2, 3}));
  // The first segment of the first slot: radii 71.4 to 77.86.
  EXPECT_DOUBLE_EQ(f.segments[0].inner, 71.4);
  EXPECT_NEAR(f.segments[0].outer, 77.86, 1e-12);
  // Efficiency slots are pale; the one at 0.1 load is slot 8.
  EXPECT_EQ(f.segments[8 * 10].tone, SegmentTone::cpuPale);
  EXPECT_EQ(f.segments[8 * 10 + 1].tone, SegmentTone::track);
  EXPECT_EQ(f.segments[0].tone, SegmentTone::cpu);
  // Labels beside the middle of each group: display 3.5 and 9.5, 18 outside the ring.
  ASSERT_EQ(f.labels.size(), 2u);
  const double a = -pi / 2 + 0.16 + step * 4;
  EXPECT_NEAR(f.labels[0].at.x(), 200 + 178 * std::cos(a), 1e-9);
  EXPECT_NEAR(f.labels[0].at.y(), 200 + 178 * std::sin(a), 1e-9);
  EXPECT_TRUE(f.labels[1].efficiency);

  // Without efficiency cores: no gaps, no labels, the first slot starting at twelve.
  const auto plain = coreFlower(std::vector<double>(8, 0.2), {}, 0, 400);
  EXPECT_DOUBLE_EQ(plain.slotAngles[0], -pi / 2 + pi / 8);
  EXPECT_TRUE(plain.labels.empty());
}

TEST(CoreFlower, drawsNothingWithoutDataOrRoom) {
  const double one[] = {0.5};
  EXPECT_TRUE(coreFlower({}, {}, 0, 400).segments.empty());
  EXPECT_TRUE(coreFlower(one, {}, 0, 80).segments.empty());
  EXPECT_TRUE(coreFlower(one, {}, 0, 40).segments.empty());
  EXPECT_TRUE(coreFlower(one, {}, 0, kNaN).segments.empty());
  EXPECT_TRUE(coreFlower(one, {}, 4, -10).labels.empty());
  // Just above the limit the ring is too thin for separate segments: none drawn, none inverted.
  for (const auto& s : coreFlower(one, {}, 0, 90).segments) EXPECT_GT(s.outer, s.inner);
  // An efficiency count larger than the cores makes every core an efficiency core.
  const auto all = coreFlower(std::vector<double>(4, 0.5), {}, 9, 400);
  EXPECT_EQ(all.slotCores, (std::vector<int>{0, 1, 2, 3}));
  EXPECT_EQ(all.segments[0].tone, SegmentTone::cpuPale);
}

TEST(CoreFlower, barsNeverOverlapAtAnyCoreCount) {
  for (int n : {1, 8, 64, 256}) {
    for (int e : {0, n / 4}) {
      SCOPED_TRACE(testing::Message() << n << " cores, " << e << " efficiency");
      const auto f = coreFlower(std::vector<double>(std::size_t(n), 1.0), {}, e, 420);
      ASSERT_EQ(f.slotAngles.size(), std::size_t(n));
      EXPECT_EQ(f.segments.size(), std::size_t(n) * 10);
      for (int i = 0; i + 1 < n; ++i) EXPECT_LT(f.slotAngles[i] + f.halfWidth, f.slotAngles[i + 1] - f.halfWidth);
      // The last bar stays clear of the first one, a turn later.
      EXPECT_LT(f.slotAngles.back() + f.halfWidth, f.slotAngles.front() - f.halfWidth + 2 * pi);
      // Each core is shown exactly once.
      std::vector<int> cores = f.slotCores;
      std::sort(cores.begin(), cores.end());
      for (int i = 0; i < n; ++i) EXPECT_EQ(cores[std::size_t(i)], i);
      // Segments of one bar stack outwards without touching.
      for (std::size_t k = 1; k < 10; ++k) EXPECT_LT(f.segments[k - 1].outer, f.segments[k].inner);
    }
  }
}

