#include <gtest/gtest.h>

#include <vector>

#include "Qel/Kit/Art/DockIcon.hpp"

using namespace qel;

namespace {

std::optional<DockPicture> after(DockPicture shown, double mean, bool force = false) {
  const std::vector<double> hist{0.9, 0.9, mean, mean, mean, mean, mean};  // only the last five count
  return nextDockPicture(shown, hist, true, force);
}

}  // namespace

TEST(DockIcon, warmthHasHysteresisAndLevelsStepByFiftieths) {
  auto warm = after({.level = 0.5, .warm = false}, 0.7);
  ASSERT_TRUE(warm);
  EXPECT_TRUE(warm->warm);
  EXPECT_DOUBLE_EQ(warm->level, 0.7);
  auto still = after(*warm, 0.65);
  ASSERT_TRUE(still);  // the level moved, the warmth stays
  EXPECT_TRUE(still->warm);
  auto calm = after(*still, 0.59);
  ASSERT_TRUE(calm);
  EXPECT_FALSE(calm->warm);
  EXPECT_FALSE(after({.level = 0.66, .warm = false}, 0.65).value_or(DockPicture{}).warm);

  auto rounded = after({}, 0.31);
  ASSERT_TRUE(rounded);
  EXPECT_DOUBLE_EQ(rounded->level, 0.32);
  EXPECT_FALSE(after(*rounded, 0.315));  // the same step: nothing to draw
  EXPECT_TRUE(after(*rounded, 0.315, true));
}

TEST(DockIcon, theOptionOffDrawsTheRestingPictureOnce) {
  const std::vector<double> hist{0.5};
  auto off = nextDockPicture({.level = 0.5}, hist, false, false);
  ASSERT_TRUE(off);
  EXPECT_EQ(*off, DockPicture{});
  EXPECT_FALSE(nextDockPicture(*off, hist, false, false));
  EXPECT_TRUE(nextDockPicture(*off, hist, false, true));
  // On again: the live level at once; an empty or bad history is an idle one.
  EXPECT_EQ(nextDockPicture(*off, hist, true, true)->level, 0.5);
  EXPECT_EQ(nextDockPicture(*off, {}, true, false)->level, 0);
  const std::vector<double> bad{std::nan(""), 1e308, -1e308};
  EXPECT_TRUE(nextDockPicture(*off, bad, true, false));
}

TEST(DockIcon, waterRisesWithTheLoadInThePicture) {
  EXPECT_EQ(waterSurface(0), 63);
  EXPECT_EQ(waterSurface(-2), 63);
  EXPECT_EQ(waterSurface(1), 34);
  EXPECT_EQ(waterSurface(3), 34);
  // The hole's middle (mark point (50, 50) → canvas 512, 512) is water at full load, empty idle.
  const QImage idle = dockIconImage(0, false, false, 256);
  const QImage full = dockIconImage(1, false, false, 256);
  const QColor tile(0x0A, 0x16, 0x30);
  auto distance = [](QColor a, QColor b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
  };
  EXPECT_LT(distance(idle.pixelColor(128, 128), tile), 120);
  EXPECT_GT(distance(full.pixelColor(128, 128), tile), 200);
  // Warm water is orange: more red than blue.
  const QColor hot = dockIconImage(1, true, false, 256).pixelColor(128, 128);
  EXPECT_GT(hot.red(), hot.blue());
  // The light tile is light.
  EXPECT_GT(dockIconImage(0, false, true, 256).pixelColor(128, 40).lightness(), 200);
  EXPECT_EQ(markImage(20, true, 2).size(), QSize(40, 40));
}
