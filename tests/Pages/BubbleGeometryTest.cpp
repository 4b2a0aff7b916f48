// How a memory bubble is drawn: its hatching and where its label goes, as plain geometry.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "Qel/Pages/BubbleGeometry.hpp"

using namespace qel;

namespace {

bool inside(double x, double y, double r) { return std::hypot(x, y) <= r + 1e-9; }

}  // namespace

TEST(BubbleLabel, aLineHasTheChordAtItsFartherEdgeLessTheInsetAndNoneAtTheRim) {
  // r 20, a line 16 high through the centre: its edges are 8 out, where the chord is 2·√(400 − 64).
  EXPECT_NEAR(bubbleLineRoom(20, 0, 16), 2 * std::sqrt(336.0) - 2 * kBubbleLabelInset, 1e-9);
  EXPECT_DOUBLE_EQ(bubbleLineRoom(20, -3, 16), bubbleLineRoom(20, 3, 16));
  EXPECT_EQ(bubbleLineRoom(20, 12, 16), 0);  // its lower edge lies on the rim
  EXPECT_EQ(bubbleLineRoom(4, 0, 6), 0);     // a chord shorter than the two insets
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(bubbleLineRoom(nan, 0, 16), 0);
  EXPECT_EQ(bubbleLineRoom(20, nan, 16), 0);
  EXPECT_EQ(bubbleLineRoom(std::numeric_limits<double>::infinity(), 0, 16), 0);
}

TEST(BubbleLabel, whatShowsNeverCrossesTheBubblesEdgeAndNeverShrinksToAStub) {
  const BubbleLine size{48, 14};
  for (const double nameWidth : {20.0, 64.0, 130.0}) {
    const double shortest = 26;
    for (double r = 0; r <= 90; r += 0.25) {
      const BubbleLabelPlan plan = planBubbleLabel(r, {nameWidth, 16}, shortest, size);
      if (!plan.name) {
        EXPECT_FALSE(plan.size);
        continue;
      }
      const double shown = std::min(nameWidth, plan.nameRoom);
      EXPECT_GE(shown, std::min(nameWidth, shortest)) << "r " << r;
      for (const double sx : {-0.5, 0.5})
        for (const double sy : {-0.5, 0.5}) {
          EXPECT_TRUE(inside(sx * shown, plan.nameY + sy * 16, r)) << "name, r " << r << ", width " << nameWidth;
          if (plan.size) EXPECT_TRUE(inside(sx * size.width, plan.sizeY + sy * size.height, r)) << "size, r " << r;
        }
    }
  }
}

TEST(BubbleLabel, largeBubblesShowNameAndSizeSmallOnesTheNameAloneOrNothing) {
  const BubbleLine name{70, 16}, size{48, 14};
  const BubbleLabelPlan large = planBubbleLabel(60, name, 26, size);
  EXPECT_TRUE(large.name && large.size);
  EXPECT_EQ(large.nameY, -7);
  EXPECT_EQ(large.sizeY, 8);
  EXPECT_GE(large.nameRoom, name.width);  // whole

  // Not above 34: never two lines, though they would fit; the name centred, shortened.
  const BubbleLabelPlan mid = planBubbleLabel(34, name, 26, {10, 14});
  EXPECT_TRUE(mid.name);
  EXPECT_FALSE(mid.size);
  EXPECT_EQ(mid.nameY, 0);
  EXPECT_LT(mid.nameRoom, name.width);

  // Where not even a few letters fit there is no label at all, not a lone initial.
  EXPECT_FALSE(planBubbleLabel(17, name, 26, size).name);
  // A short name shows whole where it fits.
  EXPECT_TRUE(planBubbleLabel(17, {14, 16}, 14, size).name);
  // No name, no label.
  EXPECT_FALSE(planBubbleLabel(60, {0, 16}, 0, size).name);
}

TEST(BubbleHatch, diagonalsSixApartRiseToTheRightAndStayInsideTheStroke) {
  std::vector<QLineF> lines{QLineF(1, 2, 3, 4)};
  bubbleHatch(30, 0.75, lines);
  ASSERT_FALSE(lines.empty());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const QLineF& l = lines[i];
    EXPECT_TRUE(inside(l.x1(), l.y1(), 29.25) && inside(l.x2(), l.y2(), 29.25)) << i;
    EXPECT_GT(l.x2(), l.x1());
    EXPECT_NEAR(l.y2() - l.y1(), -(l.x2() - l.x1()), 1e-9);  // rising to the right at 45°
    if (i > 0) EXPECT_NEAR((l.x1() + l.y1()) - (lines[i - 1].x1() + lines[i - 1].y1()), 6, 1e-9);
  }
  // The diagonals are x + y = d + 30 for d = −60, −54, … below 60; those with |k| < 29.25·√2 ≈ 41.4
  // cross the circle: k = −30 to 36, twelve of them.
  EXPECT_EQ(lines.size(), 12u);
  EXPECT_NEAR(lines.front().x1() + lines.front().y1(), -30, 1e-9);

  bubbleHatch(0.5, 0.75, lines);
  EXPECT_TRUE(lines.empty());
  bubbleHatch(std::numeric_limits<double>::quiet_NaN(), 0.75, lines);
  EXPECT_TRUE(lines.empty());
}
