#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "Qel/Kit/Art/RunnerArt.hpp"
#include "Qel/Kit/Art/RunnerPace.hpp"
#include "Qel/Kit/Art/RunnerPlayer.hpp"

using namespace qel;

TEST(RunnerPace, speedFollowsTheLoadFromAQuarterToTwo) {
  EXPECT_EQ(runnerSpeed(0), 0.25f);
  EXPECT_EQ(runnerSpeed(-1), 0.25f);
  EXPECT_EQ(runnerSpeed(std::nan("")), 0.25f);
  EXPECT_EQ(runnerSpeed(1.5), 2.0f);
  EXPECT_EQ(runnerSpeed(1), 2.0f);
  EXPECT_NEAR(runnerSpeed(1.0 / 7), 0.5f, 1e-6);  // a frame lasts 1 s
}

TEST(RunnerPace, framesLastTwoSecondsIdleAndAQuarterAtFullLoad) {
  RunnerClock idle;
  idle.restart(5, runnerSpeed(0), 10);
  EXPECT_EQ(idle.step(11.9), 0u);
  EXPECT_EQ(idle.step(12.1), 1u);
  EXPECT_EQ(idle.step(10 + 2 * 5 + 0.1), 0u);  // round again
  EXPECT_NEAR(idle.untilNextStep(10.5), 1.5, 1e-9);

  RunnerClock busy;
  busy.restart(5, runnerSpeed(1), 0);
  EXPECT_EQ(busy.step(0.3), 1u);
  EXPECT_NEAR(busy.untilNextStep(0.3), 0.2, 1e-9);
}

TEST(RunnerPace, aChangeOfPaceKeepsTheFrameAndTheSameSpeedChangesNothing) {
  RunnerClock clock;
  clock.restart(5, 0.25f, 0);
  EXPECT_EQ(clock.step(3), 1u);  // halfway through the second frame
  EXPECT_TRUE(clock.setSpeed(2.0f, 3));
  EXPECT_EQ(clock.step(3), 1u);
  EXPECT_NEAR(clock.untilNextStep(3), 0.125, 1e-9);  // the other half, at the new pace
  EXPECT_FALSE(clock.setSpeed(2.0f, 3.05));
  EXPECT_FALSE(clock.setSpeed(0, 3.05));
  EXPECT_EQ(clock.step(3.2), 2u);
}

TEST(RunnerPace, ordersRepeatFramesAsTheFiguresNeed) {
  auto steps = [](MenuIconStyle s) {
    auto o = runnerOrder(s);
    return std::vector<int>(o.begin(), o.end());
  };
  EXPECT_EQ(steps(MenuIconStyle::slime), (std::vector<int>{0, 1, 2, 3, 4, 4, 3, 2, 1}));
  EXPECT_EQ(steps(MenuIconStyle::newtonCradle), (std::vector<int>{0, 1, 2, 1, 0, 3, 4, 3}));
  EXPECT_EQ(steps(MenuIconStyle::mochi), (std::vector<int>{0, 1, 2, 3, 4, 3, 2, 1}));
  EXPECT_EQ(steps(MenuIconStyle::coffee).size(), 10u);

  // Slime shows frame 4 for two steps in a row.
  RunnerClock clock;
  const auto slime = steps(MenuIconStyle::slime);
  clock.restart(slime.size(), 1.0f, 0);
  EXPECT_EQ(slime[clock.step(2.1)], 4);
  EXPECT_EQ(slime[clock.step(2.6)], 4);
  EXPECT_EQ(slime[clock.step(3.1)], 3);
}

TEST(RunnerPlayer, showsEachFrameAsDrawnForThePresentInkAndScale) {
  std::vector<QImage> shown;
  RunnerPlayer player([&](const QImage& image) { shown.push_back(image); });
  player.sync(MenuIconStyle::cat, 0, Qt::black, 1);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown.back(), runnerFrame(MenuIconStyle::cat, player.frame(), Qt::black, 1));
  // Kept frames are not shown in an old colour or scale.
  player.sync(MenuIconStyle::cat, 0, Qt::white, 1);
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown.back(), runnerFrame(MenuIconStyle::cat, player.frame(), Qt::white, 1));
  player.sync(MenuIconStyle::cat, 0, Qt::white, 2);
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_EQ(shown.back(), runnerFrame(MenuIconStyle::cat, player.frame(), Qt::white, 2));
  // Nor another runner's.
  player.sync(MenuIconStyle::dog, 0, Qt::white, 2);
  ASSERT_EQ(shown.size(), 4u);
  EXPECT_EQ(shown.back(), runnerFrame(MenuIconStyle::dog, player.frame(), Qt::white, 2));
  player.stop();
}
