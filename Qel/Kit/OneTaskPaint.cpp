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

QImage clearImage(QSize size, double dpr) {
  QImage image(size * dpr, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(dpr);
  image.fill(Qt::transparent);
  return image;
}

}  // namespace qel
