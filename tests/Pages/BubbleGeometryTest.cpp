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

TEST(BubbleLabel, aLargeBubbleShowsItsNameOverItsSizeAMiddlingOneItsInitialASmallOneNothing) {
  const QString ten = QStringLiteral("abcdefghij"), eleven = ten + "k", twelve = eleven + "l";
  const QString cutTwelve = ten + QChar(0x2026);
  // Russian and Japanese names take two and three bytes a letter; the cut counts letters.
  const QString russian = QStringLiteral("Калькулятор-2"), japanese = QStringLiteral("テキストエディタの設定画面");
  const QString emoji = QString::fromUcs4(U"\U0001F600game");  // a letter outside the 16-bit range first
  struct Case {
    double r;
    QString name;
    BubbleLabelBand band;
    QString shown;
  };
  const Case cases[] = {
      {90, ten, BubbleLabelBand::nameAndSize, ten},
      {34.01, eleven, BubbleLabelBand::nameAndSize, eleven},  // eleven letters stay whole
      {34.01, twelve, BubbleLabelBand::nameAndSize, cutTwelve},
      {40, russian, BubbleLabelBand::nameAndSize, QStringLiteral("Калькулято") + QChar(0x2026)},
      {40, japanese, BubbleLabelBand::nameAndSize, QStringLiteral("テキストエディタの設") + QChar(0x2026)},
      {40, QString(), BubbleLabelBand::nameAndSize, QString()},
      {34, twelve, BubbleLabelBand::initial, QStringLiteral("a")},
      {16.01, russian, BubbleLabelBand::initial, QStringLiteral("К")},
      {20, japanese, BubbleLabelBand::initial, QStringLiteral("テ")},
      {20, emoji, BubbleLabelBand::initial, QString::fromUcs4(U"\U0001F600")},
      {20, QString(), BubbleLabelBand::initial, QString()},
      {16, twelve, BubbleLabelBand::none, QString()},
      {0, ten, BubbleLabelBand::none, QString()},
      {std::numeric_limits<double>::quiet_NaN(), ten, BubbleLabelBand::none, QString()},
  };
  for (const Case& c : cases) {
    const BubbleLabel label = bubbleLabel(c.r, c.name);
    EXPECT_EQ(label.band, c.band) << "r " << c.r << ", " << c.name.toStdString();
    EXPECT_EQ(label.name, c.shown) << "r " << c.r << ", " << c.name.toStdString();
  }
  // Two lines: the name 7 above the centre, the size 8 below; the initial on the centre.
  EXPECT_EQ(bubbleLabel(40, ten).nameY, -7);
  EXPECT_EQ(bubbleLabel(40, ten).sizeY, 8);
  EXPECT_EQ(bubbleLabel(20, ten).nameY, 0);
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
