// The memory bubble field's simulation, rule by rule and as whole frames.
#include <gtest/gtest.h>

#include <cmath>

#include "Qel/Pages/Memory/BubbleModel.hpp"

using namespace qel;

namespace {

Bubble at(double x, double y, double r, std::string key = "b") {
  Bubble b;
  b.key = std::move(key);
  b.x = b.prevX = x;
  b.y = b.prevY = y;
  b.r = b.target = r;
  return b;
}

double gap(const Bubble& a, const Bubble& b) { return std::hypot(b.x - a.x, b.y - a.y); }

BubbleItem item(std::string key, std::uint64_t bytes, std::optional<std::int32_t> pid = std::nullopt) {
  return {std::move(key), pid, "label", bytes, BubbleKind::user};
}

ProcInfo procWith(std::int32_t pid, std::uint64_t mem, bool system = false) {
  ProcInfo p;
  p.pid = pid;
  p.name = "proc" + std::to_string(pid);
  p.mem = mem;
  p.isSystem = system;
  return p;
}

}  // namespace

TEST(BubbleModel, separationLeavesAnOverlappingPairExactlyTheirRadiiAndGapApart) {
  std::vector<Bubble> pair{at(0, 0, 20), at(10, 5, 10)};
  BubbleModel::separate(pair);
  EXPECT_NEAR(gap(pair[0], pair[1]), 20 + 10 + BubbleModel::kGap, 1e-9);
  // The smaller one moved twice as far, along the line between them.
  EXPECT_NEAR(std::hypot(pair[0].x, pair[0].y) * 2, std::hypot(pair[1].x - 10, pair[1].y - 5), 1e-9);

  // Two on the very same spot are parted too, with finite positions.
  std::vector<Bubble> same{at(3, 3, 8), at(3, 3, 8)};
  BubbleModel::separate(same);
  for (const auto& b : same) EXPECT_TRUE(std::isfinite(b.x) && std::isfinite(b.y));
  EXPECT_NEAR(gap(same[0], same[1]), 8 + 8 + BubbleModel::kGap, 1e-9);

  // Even two with no size yet.
  std::vector<Bubble> dots{at(0, 0, 0), at(0, 0, 0)};
  BubbleModel::separate(dots);
  EXPECT_NEAR(gap(dots[0], dots[1]), BubbleModel::kGap, 1e-9);

  std::vector<Bubble> apart{at(0, 0, 5), at(100, 0, 5)};
  BubbleModel::separate(apart);
  EXPECT_EQ(apart[1].x, 100);
}

TEST(BubbleModel, containmentKeepsBubblesInsideTheFieldAndTheCentreFixed) {
  std::vector<Bubble> bubbles{at(200, 0, 20), at(0, 0, 10), at(30, 40, 300), at(10, 0, 5)};
  BubbleModel::contain(bubbles, 100);
  EXPECT_NEAR(bubbles[0].x, 100 - 20 - BubbleModel::kMargin, 1e-9);
  EXPECT_EQ(bubbles[1].x, 0);  // at the centre: nowhere to pull
  EXPECT_EQ(bubbles[2].x, 0);  // larger than the field: to the centre
  EXPECT_EQ(bubbles[2].y, 0);
  EXPECT_EQ(bubbles[3].x, 10);  // already inside
}

TEST(BubbleModel, aStepEasesSizesAndLeavesNoNetRotation) {
  BubbleModel model;
  model.sync({item("a", 4 << 20), item("b", 2 << 20), item("c", 1 << 20)}, 16 << 20, 100);
  ASSERT_EQ(model.bubbles().size(), 3u);
  EXPECT_EQ(model.bubbles()[0].r, 4);
  EXPECT_NEAR(model.bubbles()[0].target, 0.5 * 100 * 0.9, 1e-9);
  EXPECT_NEAR(model.bubbles()[1].x, 45 * std::cos(2.39996), 1e-9);

  for (int frame = 0; frame < 40; ++frame) {
    model.step(frame / 30.0);
    // The field's net turn this frame, in radians.
    double moment = 0, spread = 0;
    for (const auto& b : model.bubbles()) {
      moment += b.x * (b.y - b.prevY) - b.y * (b.x - b.prevX);
      spread += b.x * b.x + b.y * b.y;
    }
    EXPECT_NEAR(moment / spread, 0, 1e-12) << frame;
    for (const auto& b : model.bubbles()) EXPECT_LE(std::hypot(b.x, b.y) + b.r, 100 + 1e-6);
  }
  EXPECT_GT(model.bubbles()[0].r, 40);  // most of the way to 45 after 40 frames

  // Sync keeps a bubble's place and size, drops the ones gone and adds the new at the end.
  const Bubble a = model.bubbles()[0];
  model.sync({item("c", 1 << 20), item("a", 8 << 20), item("d", 1 << 20)}, 16 << 20, 100);
  ASSERT_EQ(model.bubbles().size(), 3u);
  EXPECT_EQ(model.bubbles()[0].key, "a");
  EXPECT_EQ(model.bubbles()[0].x, a.x);
  EXPECT_EQ(model.bubbles()[0].r, a.r);
  EXPECT_EQ(model.bubbles()[1].key, "c");
  EXPECT_EQ(model.bubbles()[2].key, "d");
  EXPECT_EQ(model.bubbles()[2].r, 4);
}

TEST(BubbleModel, noMemoryReadMeansNoBubblesAndBadInputStaysFinite) {
  BubbleModel model;
  model.sync({item("a", 1 << 20)}, 0, 100);
  EXPECT_TRUE(model.bubbles().empty());
  model.step(1);

  model.sync({item("a", 1 << 20), item("b", 1 << 20)}, 1 << 20, std::nan(""));
  for (int i = 0; i < 5; ++i) model.step(std::nan(""));
  for (const auto& b : model.bubbles()) EXPECT_TRUE(std::isfinite(b.x) && std::isfinite(b.y) && std::isfinite(b.r));
}

TEST(BubbleModel, aClickHitsTheBubbleDrawnOnTop) {
  BubbleModel model;
  auto& bubbles = model.mutableBubbles();
  bubbles = {at(0, 0, 30, "under"), at(10, 0, 15, "over")};
  ASSERT_NE(model.hit(12, 0), nullptr);
  EXPECT_EQ(model.hit(12, 0)->key, "over");
  EXPECT_EQ(model.hit(-20, 0)->key, "under");
  EXPECT_EQ(model.hit(100, 0), nullptr);
}

TEST(BubbleItems, takeTheFourteenLargestStablyThenCompressedAndWired) {
  std::vector<ProcInfo> procs;
  for (int i = 0; i < 20; ++i) procs.push_back(procWith(100 + i, std::uint64_t(i % 5) << 20, i == 4));
  auto items = bubbleItems(procs, {.total = 1ull << 30, .app = 0, .wired = 5, .compressed = 7});
  ASSERT_EQ(items.size(), 16u);
  EXPECT_EQ(items[0].key, "p104");  // the first of the largest
  EXPECT_EQ(items[0].kind, BubbleKind::system);
  EXPECT_EQ(items[1].key, "p109");
  EXPECT_EQ(items[1].pid, 109);
  EXPECT_EQ(items[14].key, "compressed");
  EXPECT_FALSE(items[14].pid);
  EXPECT_EQ(items[15].bytes, 5u);
  EXPECT_EQ(bubbleItems({}, {}).size(), 0u);
}
