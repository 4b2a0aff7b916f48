// The drawn tray pictures, probed at single pixels at the points their recipes put ink on.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

#include "Qel/Kit/Art/MenuIconGeometry.hpp"
#include "Qel/Kit/Art/MenuIcons.hpp"
#include "Qel/Kit/Art/RunnerArt.hpp"
#include "Qel/Store/MenuBarPart.hpp"

using namespace qel;

namespace {

constexpr double kRatio = 4;

struct Drawn {
  QImage image;
  // Coverage (0…255) at a logical point.
  int at(double x, double y) const { return image.pixelColor(int(x * kRatio), int(y * kRatio)).alpha(); }
};

Drawn draw(MenuIconStyle style, std::vector<double> history, double cpu = 0, bool busy = false) {
  return {menuIcon(style, {.busy = busy, .cpuHist = std::move(history), .cpu = cpu}, Qt::black, kRatio)};
}

// The point `radius` from the centre along spoke `i` of the ring.
QPointF onSpoke(int i, double radius) {
  const double angle = std::numbers::pi / 2 - 2 * std::numbers::pi * (i + 0.5) / 20;
  return {9 + radius * std::cos(angle), 9 - radius * std::sin(angle)};
}

}  // namespace

TEST(MenuIcons, silentRingIsTwentyShortStubsAndLoadLengthensASpoke) {
  const auto spokes = ringSpokes({});
  ASSERT_EQ(spokes.size(), 20u);
  for (const QLineF& s : spokes) EXPECT_NEAR(s.length(), 1.5, 1e-9);
  // The oldest just right of twelve o'clock.
  EXPECT_GT(spokes.front().p1().x(), 9);
  EXPECT_LT(spokes.front().p1().y(), 9);

  const auto silent = draw(MenuIconStyle::ring, {});
  for (int i : {0, 7, 19}) {
    const QPointF stub = onSpoke(i, 4.25), beyond = onSpoke(i, 7);
    EXPECT_GT(silent.at(stub.x(), stub.y()), 200) << i;
    EXPECT_EQ(silent.at(beyond.x(), beyond.y()), 0) << i;
  }
  EXPECT_EQ(silent.at(9, 9), 0);

  // One full value: the oldest spoke reaches 8.5; loads above 1 draw as 1, NaN as none.
  const auto busy = draw(MenuIconStyle::ring, {3.0, std::nan("")});
  const QPointF tip = onSpoke(0, 8), second = onSpoke(1, 7);
  EXPECT_GT(busy.at(tip.x(), tip.y()), 200);
  EXPECT_EQ(busy.at(second.x(), second.y()), 0);
  EXPECT_NEAR(ringSpokes(std::vector<double>(30, 0.5))[5].length(), 3.25, 1e-9);
}

TEST(MenuIcons, barsAreStubsUntilLoadedOldestOnTheLeft) {
  const auto stubs = draw(MenuIconStyle::bars, {});
  for (int i = 0; i < 9; ++i) {
    EXPECT_GT(stubs.at(2 * i + 1, 15.5), 200) << i;
    EXPECT_EQ(stubs.at(2 * i + 1, 13), 0) << i;
  }
  const auto loaded = draw(MenuIconStyle::bars, {1.0});
  EXPECT_GT(loaded.at(1, 2), 200);     // the oldest bar, full
  EXPECT_EQ(loaded.at(3, 13), 0);      // the missing ones are stubs
  EXPECT_EQ(loaded.at(2, 10), 0);      // the gap between bars
  EXPECT_EQ(barRects(std::vector<double>(20, 0.0)).size(), 9u);
}

TEST(MenuIcons, lineNeedsTwoValuesAndRunsEdgeToEdge) {
  const auto one = draw(MenuIconStyle::wave, {0.5});
  for (double x : {1.0, 9.0, 17.0})
    for (double y : {3.5, 9.5, 15.5}) EXPECT_EQ(one.at(x, y), 0);
  const auto two = draw(MenuIconStyle::wave, {0.0, 1.0});
  EXPECT_GT(two.at(9, 9.5), 200);  // halfway from (1, 15.5) to (17, 3.5)
  EXPECT_EQ(two.at(9, 4), 0);
  const auto points = wavePoints(std::vector<double>(25, -1.0));
  ASSERT_EQ(points.size(), 20u);
  EXPECT_EQ(points.front(), QPointF(1, 15.5));
  EXPECT_EQ(points.back(), QPointF(17, 15.5));
}

TEST(MenuIcons, gaugeFillsItsArcAndKeepsAMinimum) {
  EXPECT_NEAR(gaugeShape(0).valueSweep, -5.4, 1e-9);
  EXPECT_NEAR(gaugeShape(-3).valueSweep, -5.4, 1e-9);
  EXPECT_NEAR(gaugeShape(std::nan("")).valueSweep, -5.4, 1e-9);
  EXPECT_NEAR(gaugeShape(2).valueSweep, -270, 1e-9);
  const auto idle = draw(MenuIconStyle::gauge, {}, 0);
  EXPECT_GT(idle.at(9, 9.5), 200);                       // the hub
  EXPECT_NEAR(idle.at(9, 9.5 - 6.6), 255 * 0.3, 20);     // the track at the top, faint
  const auto full = draw(MenuIconStyle::gauge, {}, 1);
  EXPECT_GT(full.at(9, 9.5 - 6.6), 200);
  EXPECT_EQ(full.at(9, 9.5 + 6.6), 0);  // open at the bottom
}

TEST(MenuIcons, dotGrowsWithTheLoadInsideItsRing) {
  const auto idle = draw(MenuIconStyle::dot, {}, 0);
  EXPECT_GT(idle.at(9, 9), 200);
  EXPECT_EQ(idle.at(12, 9), 0);
  EXPECT_NEAR(idle.at(9 + 7.2, 9), 255 * 0.35, 30);
  const auto full = draw(MenuIconStyle::dot, {}, 5);
  EXPECT_GT(full.at(14.5, 9), 200);
  EXPECT_NEAR(dotShape(0.5).discRadius, 3.9, 1e-9);
}

TEST(MenuIcons, autoIsTheLogoUntilBusyThenTheRing) {
  const auto calm = draw(MenuIconStyle::auto_, {});
  const auto logo = draw(MenuIconStyle::logo, {});
  EXPECT_EQ(calm.image, logo.image);
  EXPECT_GT(logo.at(9, 17), 200);  // the ring's thick bottom
  const auto busy = draw(MenuIconStyle::auto_, {}, 0, true);
  EXPECT_EQ(busy.image, draw(MenuIconStyle::ring, {}).image);
}

TEST(MenuIcons, textJoinsPartsAndRunnersKeepTheirWidths) {
  EXPECT_EQ(menuBarText({}), "");
  EXPECT_EQ(menuBarText({{"12%", "100%"}, {"↓1 KB/s", "x"}}), "12%  ↓1 KB/s");
  EXPECT_GT(menuTextImage("12%", 22, Qt::black, 1).width(), 10);
  const std::pair<MenuIconStyle, double> widths[] = {
      {MenuIconStyle::cat, 28},    {MenuIconStyle::dog, 35},          {MenuIconStyle::slime, 30.5},
      {MenuIconStyle::drop, 21.5}, {MenuIconStyle::coffee, 19},       {MenuIconStyle::newtonCradle, 41},
      {MenuIconStyle::engine, 41.5}, {MenuIconStyle::mochi, 31}};
  for (auto [style, width] : widths) {
    const QImage frame = menuIcon(style, {}, Qt::black, 2);
    EXPECT_EQ(frame.size(), QSize(int(width * 2), 36)) << int(style);
  }
  EXPECT_EQ(runnerOrder(MenuIconStyle::ring).size(), 0u);
  EXPECT_EQ(runnerFrameCount(MenuIconStyle::engine), 10);
  EXPECT_TRUE(runnerFrame(MenuIconStyle::cat, 7, Qt::black, 1).size() == QSize(28, 18));
}

// The runs of ink (coverage above half) along each row of `image` that has any.
static std::vector<int> inkRunsPerRow(const QImage& image) {
  std::vector<int> out;
  for (int y = 0; y < image.height(); ++y) {
    int runs = 0;
    bool in = false;
    for (int x = 0; x < image.width(); ++x) {
      const bool ink = image.pixelColor(x, y).alpha() > 128;
      runs += ink && !in;
      in = ink;
    }
    if (runs > 0) out.push_back(runs);
  }
  return out;
}

TEST(MenuIcons, thePauseMarkDrawsAsTwoBarsNotABox) {
  // The tray's text alone in its square: paused alerts with no figure chosen.
  const QImage image = menuTextImage(QString::fromUtf8("⏸"), 22, Qt::black, 4);
  const auto rows = inkRunsPerRow(image);
  ASSERT_GT(rows.size(), 20u);  // drawn, some 5 pixels high at the least
  // A missing glyph's box reads as one run along its top and bottom edges.
  for (int runs : rows) EXPECT_EQ(runs, 2);
}

namespace {

// The largest difference of coverage between two pictures of one size.
int largestDifference(const QImage& a, const QImage& b) {
  int most = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      most = std::max(most, std::abs(a.pixelColor(x, y).alpha() - b.pixelColor(x, y).alpha()));
  return most;
}

}  // namespace

TEST(MenuIcons, theShapeChangesWhereThePictureDoes) {
  // The tray icon is drawn again only when its shape changes: a load too close to move an edge
  // by an eighth of a pixel keeps the shape (and the picture all but the same), one that moves
  // an edge by more changes it.
  const MenuIconStyle drawn[] = {MenuIconStyle::auto_, MenuIconStyle::logo, MenuIconStyle::ring,
                                 MenuIconStyle::bars,  MenuIconStyle::gauge, MenuIconStyle::wave,
                                 MenuIconStyle::dot};
  for (const MenuIconStyle style : drawn) {
    for (const double dpr : {1.0, 2.0}) {
      SCOPED_TRACE(testing::Message() << int(style) << " at " << dpr);
      const MenuIconInputs a{.busy = true, .cpuHist = std::vector<double>(20, 0.5), .cpu = 0.5};
      MenuIconInputs near = a, far = a;
      near.cpuHist.back() = near.cpu = 0.5001;
      far.cpuHist.back() = far.cpu = 0.9;
      EXPECT_EQ(menuIconShape(style, a, dpr), menuIconShape(style, near, dpr));
      EXPECT_LE(largestDifference(menuIcon(style, a, Qt::black, dpr), menuIcon(style, near, Qt::black, dpr)), 255 / 8);
      const bool changes = menuIcon(style, a, Qt::black, dpr) != menuIcon(style, far, Qt::black, dpr);
      EXPECT_EQ(menuIconShape(style, a, dpr) != menuIconShape(style, far, dpr), changes);
    }
  }
}
