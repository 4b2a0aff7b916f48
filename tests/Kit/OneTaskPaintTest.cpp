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
