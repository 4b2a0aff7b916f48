// Every runner frame is drawn, fits its box and differs from the one before it. A sheet of all
// frames is kept under artifacts/gallery for people to look at.
#include <gtest/gtest.h>

#include <QDir>
#include <QPainter>

#include <set>
#include <utility>

#include "Qel/Kit/Art/MenuIcons.hpp"
#include "Qel/Kit/Art/RunnerArt.hpp"

using namespace qel;

namespace {

int inked(const QImage& image) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) n += image.pixelColor(x, y).alpha() > 128;
  return n;
}

// The first and last rows with ink above row `below`: where the steam over the cup is.
std::pair<int, int> inkRows(const QImage& image, int below) {
  int first = -1, last = -1;
  for (int y = 0; y < below; ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixelColor(x, y).alpha() > 128) {
        if (first < 0) first = y;
        last = y;
      }
  return {first, last};
}

}  // namespace

TEST(RunnerArt, everyFrameIsDrawnAndMovesFromTheLast) {
  QImage sheet(QSize(10 * 46, 8 * 22) * 4, QImage::Format_ARGB32_Premultiplied);
  sheet.fill(Qt::white);
  QPainter sheetPainter(&sheet);
  sheetPainter.scale(4, 4);
  int row = 0;
  for (MenuIconStyle style : allMenuIconStyles) {
    if (!isRunner(style)) continue;
    const int count = runnerFrameCount(style);
    ASSERT_TRUE(count == 5 || count == 10) << int(style);
    QImage previous;
    for (int f = 0; f < count; ++f) {
      const QImage frame = runnerFrame(style, f, Qt::black, 4);
      EXPECT_GT(inked(frame), 200) << int(style) << " frame " << f;
      if (!previous.isNull()) { EXPECT_NE(frame, previous) << int(style) << " frame " << f; }
      previous = frame;
      sheetPainter.drawImage(QPointF(f * 46 + 2, row * 22 + 2), frame);
    }
    ++row;
  }
  sheetPainter.end();
  const QString dir = QStringLiteral(QEL_ARTIFACTS) + "/gallery";
  QDir().mkpath(dir);
  sheet.save(dir + "/runners.png");
}

TEST(RunnerArt, theCoffeesSteamRisesFromFrameToFrame) {
  // Steam that only wiggles in place reads as a still picture: the puffs must climb.
  const int rim = 9 * 2;  // at a scale of 2
  std::set<int> heights;
  for (int f = 0; f < runnerFrameCount(MenuIconStyle::coffee); ++f) {
    const auto now = inkRows(runnerFrame(MenuIconStyle::coffee, f, Qt::black, 2), rim);
    const auto before = inkRows(runnerFrame(MenuIconStyle::coffee, (f + 9) % 10, Qt::black, 2), rim);
    ASSERT_GE(now.first, 0) << "frame " << f;  // steam in every frame
    EXPECT_NE(now, before) << "frame " << f;
    heights.insert(now.first);
  }
  EXPECT_GE(heights.size(), 3u);  // seen at several heights over the loop
}
