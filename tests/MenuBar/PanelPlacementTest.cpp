#include <gtest/gtest.h>

#include "Qel/MenuBar/PanelPlacement.hpp"

using namespace qel;

namespace {

const QRectF kScreen(0, 28, 1920, 1052);  // a top panel 28 high
constexpr double kWidth = kPanelWidth + 2 * kPanelShadowInset;

}  // namespace

TEST(PanelPlacement, opensBelowAnIconAtTheTopAndKeepsToTheScreen) {
  // Near the right edge: moved left until its right edge meets the screen's.
  auto right = panelFrame(QRectF(1880, 2, 24, 24), kScreen, {}, 500, true);
  EXPECT_EQ(right.frame, QRectF(1920 - kWidth, 28, kWidth, 500 + kPanelTopInset + kPanelShadowInset));
  EXPECT_EQ(right.content, QRectF(1920 - kWidth + 24, 30, kPanelWidth, 500));

  // Near the left edge: the card lines up with the icon but never starts left of the screen.
  auto left = panelFrame(QRectF(4, 2, 24, 24), kScreen, {}, 500, true);
  EXPECT_EQ(left.frame.left(), 0);
  auto aligned = panelFrame(QRectF(300, 2, 24, 24), kScreen, {}, 500, true);
  EXPECT_EQ(aligned.content.left(), 300);
  EXPECT_EQ(aligned.frame.top(), 28);
}

TEST(PanelPlacement, opensAboveAnIconAtTheBottom) {
  const QRectF screen(0, 0, 1920, 1040);  // a bottom panel from 1040
  auto p = panelFrame(QRectF(1700, 1048, 24, 24), screen, {}, 400, true);
  EXPECT_EQ(p.frame.bottom(), 1040);
  EXPECT_EQ(p.content.bottom(), 1040 - kPanelTopInset);
  EXPECT_EQ(p.content.height(), 400);
  EXPECT_EQ(p.content.top(), p.frame.top() + kPanelShadowInset);
}

TEST(PanelPlacement, opensAtThePointerWhenTheIconsPlaceIsUnknown) {
  for (auto icon : {std::optional<QRectF>(), std::optional<QRectF>(QRectF())}) {
    auto p = panelFrame(icon, kScreen, QPointF(800, 40), 300, true);
    EXPECT_EQ(p.content.topLeft(), QPointF(800, 40 + kPanelTopInset));
  }
  // A pointer near the bottom right: above it and inside the screen.
  auto low = panelFrame(std::nullopt, kScreen, QPointF(1910, 1070), 300, true);
  EXPECT_EQ(low.content.bottom(), 1070 - kPanelTopInset);
  EXPECT_EQ(low.frame.right(), 1920);
}

TEST(PanelPlacement, shrinksToTheRoomThereIsAndAlwaysOpens) {
  // Exactly the room needed: the whole card, flush with the screen's bottom.
  const double room = kScreen.bottom() - 28 - kPanelTopInset - kPanelShadowInset;
  auto exact = panelFrame(QRectF(100, 2, 24, 24), kScreen, {}, room, true);
  EXPECT_EQ(exact.content.height(), room);
  EXPECT_EQ(exact.frame.bottom(), kScreen.bottom());
  // Taller content is capped to the room.
  auto tall = panelFrame(QRectF(100, 2, 24, 24), kScreen, {}, room + 300, true);
  EXPECT_EQ(tall.content.height(), room);
  // A screen with no room at all still gets a panel inside it.
  const QRectF tiny(0, 0, 300, 20);
  auto squeezed = panelFrame(QRectF(10, 20, 10, 10), tiny, {}, 500, true);
  EXPECT_TRUE(tiny.contains(squeezed.frame.topLeft()));
  EXPECT_GE(squeezed.content.height(), 0);
  // Bad heights read as an empty card.
  EXPECT_EQ(panelFrame(QRectF(100, 2, 24, 24), kScreen, {}, std::nan(""), true).content.height(), 0);
  EXPECT_EQ(panelFrame(QRectF(100, 2, 24, 24), kScreen, {}, -5, true).content.height(), 0);
}

TEST(PanelPlacement, noCompositorMeansNoMargin) {
  auto p = panelFrame(QRectF(300, 2, 24, 24), kScreen, {}, 200, false);
  EXPECT_EQ(p.frame.width(), kPanelWidth);
  EXPECT_EQ(p.frame.height(), 200 + kPanelTopInset);
  EXPECT_EQ(p.content.left(), p.frame.left());
}

TEST(PanelPlacement, onlyTheRoundedCardCountsAsContent) {
  auto p = panelFrame(QRectF(300, 2, 24, 24), kScreen, {}, 200, true);
  const QRectF c = p.content;
  EXPECT_TRUE(containsContent(p, c.center()));
  EXPECT_TRUE(containsContent(p, QPointF(c.left() + 1, c.center().y())));
  EXPECT_TRUE(containsContent(p, QPointF(c.center().x(), c.bottom() - 1)));
  EXPECT_FALSE(containsContent(p, QPointF(c.left() - 10, c.center().y())));  // the margin
  EXPECT_FALSE(containsContent(p, QPointF(c.center().x(), c.bottom() + 10)));
  EXPECT_FALSE(containsContent(p, c.topLeft() + QPointF(1, 1)));  // the rounded corner
}
