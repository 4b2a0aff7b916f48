#include "Qel/Sheets/Settings/IconStylePicture.hpp"

#include <QPainter>
#include <QWidget>

#include "Qel/Kit/Style/Palette.hpp"

namespace qel {

IconStylePicture::IconStylePicture(QWidget* owner)
    : owner_(owner), player_([this](const QImage& frame) {
        image_ = frame;
        owner_->update();
      }) {}

void IconStylePicture::sync(const LiveState& live, MenuIconStyle style) {
  style_ = style;
  const double dpr = owner_->devicePixelRatioF();
  if (isRunner(style)) {
    if (owner_->isVisible()) player_.sync(style, live.cpu().total, Palette::black(), dpr);
    return;
  }
  player_.stop();
  const MenuIconInputs inputs{.busy = live.menuBusy(), .cpuHist = live.cpuHist(), .cpu = live.cpu().total};
  QImage next = menuIcon(style, inputs, Palette::black(), dpr);
  if (next != image_) {
    image_ = std::move(next);
    owner_->update();
  }
}

void drawTinted(QPainter& p, const QImage& image, const QRectF& box, const QColor& ink) {
  if (image.isNull()) return;
  QImage tinted = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  {
    QPainter t(&tinted);
    t.setCompositionMode(QPainter::CompositionMode_SourceIn);
    t.fillRect(tinted.rect(), ink);
  }
  const QSizeF size = QSizeF(image.size()) / image.devicePixelRatio();
  p.drawImage(QRectF(box.center() - QPointF(size.width(), size.height()) / 2, size), tinted);
}

}  // namespace qel
