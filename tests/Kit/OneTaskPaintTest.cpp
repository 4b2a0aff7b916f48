// Drawing a whole picture in one task of Qt's pool.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QThread>
#include <QThreadPool>

#include "Qel/Kit/OneTaskPaint.hpp"

using namespace qel;

namespace {

// A large antialiased disc: more spans than Qt fills in one piece.
QImage disc() {
  QImage image(400, 400, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(40, 160, 120, 200));
  p.drawEllipse(QPointF(200, 200), 180.5, 180.5);
  return image;
}

}  // namespace

TEST(OneTaskPaint, drawsInThePoolWhatItWouldDrawHereAndNestsInPlace) {
  QImage there;
  QThread* ranOn = nullptr;
  bool nestedInPlace = false;
  paintInOneTask([&] {
    ranOn = QThread::currentThread();
    there = disc();
    paintInOneTask([&] { nestedInPlace = QThread::currentThread() == ranOn; });
  });
  EXPECT_NE(ranOn, QThread::currentThread());
  EXPECT_TRUE(QThreadPool::globalInstance()->contains(ranOn));
  EXPECT_TRUE(nestedInPlace);  // waiting for a second task from inside the pool could wait forever
  EXPECT_EQ(there, disc());
}

TEST(OneTaskPaint, paintsARegionRectByRectWithinTheClipThePainterHadAndKeepsIt) {
  const QRegion changed = QRegion(0, 0, 10, 10) + QRegion(20, 10, 20, 10);
  QImage image(40, 20, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  p.setClipRect(QRect(0, 0, 30, 20));
  p.setBrush(Qt::red);
  paintRectByRect(p, changed, [&](const QRect&) {
    p.fillRect(image.rect(), p.brush());
    p.setBrush(Qt::blue);  // undone before the next rectangle
  });
  p.fillRect(QRect(0, 0, 40, 5), Qt::green);
  p.end();
  for (int y = 5; y < 20; ++y)
    for (int x = 0; x < 40; ++x)
      ASSERT_EQ(image.pixelColor(x, y), changed.contains(QPoint(x, y)) && x < 30 ? QColor(Qt::red) : QColor(Qt::white))
          << x << "," << y;
  EXPECT_EQ(image.pixelColor(35, 2), QColor(Qt::white));  // the clip it had still holds afterwards
}
