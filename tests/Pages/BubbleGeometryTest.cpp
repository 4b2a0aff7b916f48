// How a memory bubble is drawn: its hatching and where its label goes, as plain geometry.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "Qel/Pages/Memory/BubbleGeometry.hpp"

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

TEST(BubbleLabel, whatShowsNeverCrossesTheBubblesEdgeAndANameIsWholeOrNotThere) {
  const BubbleLine size{48, 14};
  for (const double nameWidth : {20.0, 64.0, 130.0}) {
    for (double r = 0; r <= 90; r += 0.25) {
      const BubbleLabelPlan plan = planBubbleLabel(r, {nameWidth, 16}, size);
      for (const double sx : {-0.5, 0.5})
        for (const double sy : {-0.5, 0.5}) {
          // A name that shows shows whole, inside the circle.
          if (plan.name) { EXPECT_TRUE(inside(sx * nameWidth, plan.nameY + sy * 16, r)) << "name, r " << r << ", width " << nameWidth; }
          if (plan.size) { EXPECT_TRUE(inside(sx * size.width, plan.sizeY + sy * size.height, r)) << "size, r " << r; }
        }
    }
  }
}

TEST(BubbleLabel, largeBubblesShowNameAndSizeAndWhereTheNameCantFitTheFigureStandsInstead) {
  const BubbleLine name{70, 16}, size{48, 14};
  const BubbleLabelPlan large = planBubbleLabel(60, name, size);
  EXPECT_TRUE(large.name && large.size);
  EXPECT_EQ(large.nameY, -7);
  EXPECT_EQ(large.sizeY, 8);

  // Not above 34: never two lines; a name too wide for the middle gives way to the figure.
  const BubbleLabelPlan mid = planBubbleLabel(34, name, {40, 14});
  EXPECT_FALSE(mid.name);
  EXPECT_TRUE(mid.size);
  EXPECT_EQ(mid.sizeY, 0);
  // A short name that fits shows alone, centred.
  const BubbleLabelPlan shortName = planBubbleLabel(34, {30, 16}, {40, 14});
  EXPECT_TRUE(shortName.name);
  EXPECT_FALSE(shortName.size);
  EXPECT_EQ(shortName.nameY, 0);

  // Too small for the name and for the figure: no label at all, never a cut name or an initial.
  const BubbleLabelPlan tiny = planBubbleLabel(17, name, size);
  EXPECT_FALSE(tiny.name || tiny.size);
  EXPECT_TRUE(planBubbleLabel(17, {14, 16}, size).name);
  // No name: the figure, where it fits.
  EXPECT_TRUE(planBubbleLabel(60, {0, 16}, size).size);
  EXPECT_FALSE(planBubbleLabel(60, {0, 16}, size).name);
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
    if (i > 0) { EXPECT_NEAR((l.x1() + l.y1()) - (lines[i - 1].x1() + lines[i - 1].y1()), 6, 1e-9); }
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
