// The drawing geometry of the toolkit, checked without painting.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "Qel/Kit/Charts/Sparkline.hpp"
#include "Qel/Kit/Charts/ThinBar.hpp"
#include "Qel/Kit/Scrollers/HoverFlasher.hpp"
#include "Qel/Kit/Scrollers/SlimScroller.hpp"
#include "Qel/Kit/Widgets/BaselineRow.hpp"
#include "Qel/Kit/Widgets/PillSegment.hpp"
#include "Qel/Kit/Widgets/SquareFit.hpp"
#include "Qel/Pages/Network/WheelToHorizontal.hpp"
#include "Qel/Pages/SegmentBar.hpp"

using namespace qel;

namespace {
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
}  // namespace

TEST(SparklineGeometry, scale) {
  struct Case {
    std::vector<double> values;
    std::optional<double> maxValue;
    double expected;
  } cases[] = {
      {{0.1, 0.3}, std::nullopt, 1.0},  // 0.3 × 1.2 is below 1
      {{10, 40}, std::nullopt, 48},
      {{10, 40}, 100.0, 100},
      {{}, std::nullopt, 1.2},
      {{kNaN, kInf}, std::nullopt, 1.2},  // no usable value
      {{-5, -1}, std::nullopt, 1.0},
      {{10, 40}, 0.0, 48},  // an unusable scale counts as automatic
      {{10, 40}, -3.0, 48},
      {{10, 40}, kNaN, 48},
      {{1.6e308}, std::nullopt, std::numeric_limits<double>::max()},  // × 1.2 overflows
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(sparklineScale(c.values, c.maxValue), c.expected);
}

TEST(SparklineGeometry, points) {
  const QSizeF size(100, 30);
  EXPECT_TRUE(sparklinePoints(std::vector<double>{}, std::nullopt, size).empty());
  EXPECT_TRUE(sparklinePoints(std::vector<double>{0.5}, std::nullopt, size).empty());

  // Zero sits 2 above the bottom, full scale 2 below the top, clamped between.
  auto flat = sparklinePoints(std::vector<double>{0, 0}, std::nullopt, size);
  ASSERT_EQ(flat.size(), 2u);
  EXPECT_EQ(flat[0], QPointF(0, 28));
  EXPECT_EQ(flat[1], QPointF(100, 28));

  auto peak = sparklinePoints(std::vector<double>{10, 40}, std::nullopt, size);
  EXPECT_DOUBLE_EQ(peak[1].y(), 28 - 26 * (40.0 / 48));  // five sixths of the usable height

  auto clamped = sparklinePoints(std::vector<double>{1.7, -3, kNaN, 0.5}, 1.0, size);
  ASSERT_EQ(clamped.size(), 4u);
  EXPECT_DOUBLE_EQ(clamped[0].y(), 2);
  EXPECT_DOUBLE_EQ(clamped[1].y(), 28);
  EXPECT_DOUBLE_EQ(clamped[2].y(), 28);
  EXPECT_DOUBLE_EQ(clamped[3].y(), 15);
  EXPECT_DOUBLE_EQ(clamped[1].x(), 100.0 / 3);

  auto tiny = sparklinePoints(std::vector<double>{0, 1}, 1.0, QSizeF(1, 1));
  for (const auto& p : tiny) EXPECT_TRUE(std::isfinite(p.x()) && std::isfinite(p.y()));
}

TEST(ThinBarGeometry, widthIsClampedButNeverUnderTwo) {
  struct Case {
    double fraction, track, expected;
  } cases[] = {
      {0.5, 100, 50}, {1, 100, 100}, {1.5, 100, 100}, {0, 100, 2},   {-1, 100, 2},
      {0.01, 100, 2}, {kNaN, 100, 2}, {kInf, 100, 100}, {0.5, 0, 2}, {0.5, -10, 2},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(thinBarWidth(c.fraction, c.track), c.expected) << c.fraction;
}

TEST(SegmentBarGeometry, sharesWidthsAndGaps) {
  auto halves = segmentBarRects(std::vector<double>{0.5, 0.5}, QSizeF(200, 10));
  ASSERT_EQ(halves.size(), 2u);
  EXPECT_EQ(halves[0], QRectF(0, 0, 98, 10));
  EXPECT_EQ(halves[1], QRectF(100, 0, 98, 10));

  // Too small to draw, but it keeps its gap; clamping and non-numbers.
  auto mixed = segmentBarRects(std::vector<double>{0.005, 1.5, kNaN, -0.2}, QSizeF(200, 10));
  ASSERT_EQ(mixed.size(), 4u);
  EXPECT_EQ(mixed[0].width(), 0);
  EXPECT_EQ(mixed[1], QRectF(2, 0, 198, 10));
  EXPECT_EQ(mixed[2].width(), 0);
  EXPECT_EQ(mixed[3].width(), 0);

  EXPECT_TRUE(segmentBarRects(std::vector<double>{}, QSizeF(200, 10)).empty());
  auto narrow = segmentBarRects(std::vector<double>{1}, QSizeF(1, 0));
  EXPECT_EQ(narrow[0].width(), 0);
}

TEST(SquareFitGeometry, largestCentredSquare) {
  EXPECT_EQ(squareFit(QSizeF(300, 180)), QRectF(60, 0, 180, 180));
  EXPECT_EQ(squareFit(QSizeF(300, 180)).center(), QPointF(150, 90));
  EXPECT_EQ(squareFit(QSizeF(100, 400)), QRectF(0, 150, 100, 100));
  EXPECT_EQ(squareFit(QSizeF(0, 50)), QRectF(0, 25, 0, 0));
  EXPECT_EQ(squareFit(QSizeF(-5, 50)), QRectF(0, 25, 0, 0));
}

TEST(PillGeometry, paddedPillsInsetAndSpaced) {
  auto none = layoutPills(std::vector<double>{}, 14);
  EXPECT_TRUE(none.pills.empty());
  EXPECT_EQ(none.size, QSizeF(6, 28));

  auto two = layoutPills(std::vector<double>{30, 50}, 14);
  ASSERT_EQ(two.pills.size(), 2u);
  EXPECT_EQ(two.pills[0], QRectF(3, 3, 54, 22));
  EXPECT_EQ(two.pills[1], QRectF(59, 3, 74, 22));
  EXPECT_EQ(two.size, QSizeF(136, 28));
}

TEST(BaselineGeometry, runsShareTheDeepestAscent) {
  const RunExtent runs[] = {{40, 38, 10}, {0, 5, 1}, {12, 12, 3}};
  auto l = layoutBaselineRow(runs, 4);
  EXPECT_EQ(l.x, (std::vector<double>{0, 44, 48}));  // the empty run still takes its spacing
  EXPECT_EQ(l.baseline, 38);
  EXPECT_EQ(l.size, QSizeF(60, 48));
  EXPECT_EQ(layoutBaselineRow({}, 4).size, QSizeF(0, 0));
}

TEST(BaselineGeometry, aRunThatDoesNotFitGoesOnALineBelow) {
  const RunExtent runs[] = {{100, 20, 5}, {80, 12, 3}, {30, 12, 3}};
  const auto wide = layoutBaselineRow(runs, 10, 230);
  EXPECT_EQ(wide.y, (std::vector<double>{20, 20, 20}));
  EXPECT_EQ(wide.size, QSizeF(230, 25));
  const auto narrow = layoutBaselineRow(runs, 10, 150, 2);
  EXPECT_EQ(narrow.x, (std::vector<double>{0, 0, 90}));  // the second line holds the other two
  EXPECT_EQ(narrow.y, (std::vector<double>{20, 39, 39}));  // 20 + 5, a gap of 2, then 12 up
  EXPECT_EQ(narrow.size, QSizeF(120, 42));
  // Narrower than any run: one run a line, none dropped.
  EXPECT_EQ(layoutBaselineRow(runs, 10, 0).x, (std::vector<double>{0, 0, 0}));
}

TEST(WheelGeometry, verticalNotchesMoveSidewaysFortyPixelsEach) {
  const WheelFacts base{.angleDelta = {0, 180}, .sameWindow = true, .inside = true, .offset = 100, .room = 400};
  EXPECT_EQ(wheelToHorizontal(base), 40.0);  // 1.5 notches

  auto far = base;
  far.angleDelta = {0, -20 * 120};
  far.offset = 380;
  EXPECT_EQ(wheelToHorizontal(far), 400.0);  // stops at the end

  auto back = base;
  back.angleDelta = {0, 10 * 120};
  EXPECT_EQ(wheelToHorizontal(back), 0.0);

  struct Pass {
    const char* why;
    WheelFacts facts;
  } passes[] = {
      {"touchpad", {.angleDelta = {0, 180}, .precise = true, .sameWindow = true, .inside = true, .offset = 100, .room = 400}},
      {"other window", {.angleDelta = {0, 180}, .sameWindow = false, .inside = true, .offset = 100, .room = 400}},
      {"mostly horizontal", {.angleDelta = {360, -240}, .sameWindow = true, .inside = true, .offset = 100, .room = 400}},
      {"no turn", {.angleDelta = {0, 0}, .sameWindow = true, .inside = true, .offset = 100, .room = 400}},
      {"outside", {.angleDelta = {0, 180}, .sameWindow = true, .inside = false, .offset = 100, .room = 400}},
      {"content fits", {.angleDelta = {0, 180}, .sameWindow = true, .inside = true, .offset = 0, .room = 0}},
  };
  for (const auto& p : passes) EXPECT_FALSE(wheelToHorizontal(p.facts)) << p.why;
}

TEST(ScrollerGeometry, knobAndSlotBars) {
  // A vertical scroller 12 wide and 300 high with its knob part from y = 40 to 100.
  EXPECT_EQ(slimBar(QRectF(0, 0, 12, 300), QRectF(0, 40, 12, 60), 6), QRectF(3, 43, 6, 54));
  EXPECT_EQ(slimBar(QRectF(0, 0, 12, 300), QRectF(0, 0, 12, 300), 8), QRectF(2, 3, 8, 294));
  EXPECT_EQ(slimBar(QRectF(0, 0, 300, 12), QRectF(40, 0, 60, 12), 6), QRectF(43, 3, 54, 6));

  EXPECT_EQ(knobProportion(0, 0, 100), 1);   // content fits
  EXPECT_EQ(knobProportion(0, 300, 100), 0.25);
  EXPECT_EQ(knobProportion(0, 300, 0), 0);

  auto top = knobSpan(0, 300, 100, 0, 400, 24);
  EXPECT_EQ(top.start, 0);
  EXPECT_EQ(top.length, 100);
  auto end = knobSpan(0, 300, 100, 300, 400, 24);
  EXPECT_EQ(end.start, 300);
  auto flipped = knobSpan(0, 300, 100, 300, 400, 24, /*upsideDown=*/true);
  EXPECT_EQ(flipped.start, 0);
  auto huge = knobSpan(0, 100000, 10, 50000, 400, 24);
  EXPECT_EQ(huge.length, 24);  // never shorter than the minimum
  EXPECT_EQ(huge.start, 188);
  auto tiny = knobSpan(0, 300, 100, 150, 10, 24);
  EXPECT_EQ(tiny.length, 10);  // nor longer than the groove
  EXPECT_EQ(tiny.start, 0);
}

TEST(ScrollerFlash, enteringForcesMovingWaitsHalfASecond) {
  FlashGate gate;
  EXPECT_TRUE(gate.pass(1000, false));   // first move
  EXPECT_TRUE(gate.pass(1100, true));    // entering, 0.1 s later
  EXPECT_FALSE(gate.pass(1400, false));
  EXPECT_FALSE(gate.pass(1600, false));  // exactly 0.5 s is not more
  EXPECT_TRUE(gate.pass(1601, false));
}
