#include "Qel/Kit/OneTaskPaint.hpp"

#include <QSemaphore>
#include <QThread>
#include <QThreadPool>

namespace qel {

void paintInOneTask(const std::function<void()>& draw) {
  QThreadPool* pool = QThreadPool::globalInstance();
  if (!pool || pool->contains(QThread::currentThread())) {
    draw();
    return;
  }
  QSemaphore done;
  pool->start([&] {
    draw();
    done.release();
  });
  done.acquire();
}

void paintRectByRect(QPainter& p, const QRegion& region, const std::function<void(const QRect&)>& paint) {
  for (const QRect& r : region) {
    p.save();
    p.setClipRect(r, p.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    paint(r);
    p.restore();
  }
}

QImage clearImage(QSize size, double dpr) {
  QImage image(size * dpr, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(dpr);
  image.fill(Qt::transparent);
  return image;
}

}  // namespace qel
