// Every runner frame is drawn, fits its box and differs from the one before it. A sheet of all
// frames is kept under artifacts/gallery for people to look at.
#include <gtest/gtest.h>

#include <QDir>
#include <QPainter>

#include "Qel/MenuBar/MenuIcons.hpp"
#include "Qel/MenuBar/RunnerArt.hpp"

using namespace qel;

namespace {

int inked(const QImage& image) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) n += image.pixelColor(x, y).alpha() > 128;
  return n;
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
      if (!previous.isNull()) EXPECT_NE(frame, previous) << int(style) << " frame " << f;
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
