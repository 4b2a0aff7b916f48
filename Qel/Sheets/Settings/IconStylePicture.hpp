#pragma once
// A tray icon style's live picture: the drawn styles re-rendered on each tick, a runner's frames
// from its own player, whose timer runs only while the picture is on screen.
#include <QImage>

#include "Qel/Kit/Art/MenuIcons.hpp"
#include "Qel/Kit/Art/RunnerPlayer.hpp"
#include "Qel/Store/Parts/LiveState.hpp"

class QPainter;
class QWidget;

namespace qel {

class IconStylePicture {
 public:
  explicit IconStylePicture(QWidget* owner);

  void sync(const LiveState& live, MenuIconStyle style);
  void stop() { player_.stop(); }
  const QImage& image() const { return image_; }
  MenuIconStyle style() const { return style_; }

 private:
  QWidget* owner_;
  RunnerPlayer player_;
  QImage image_;
  MenuIconStyle style_ = MenuIconStyle::auto_;
};

// `image` (a picture drawn in any one colour) in `ink`, centred in `box`.
void drawTinted(QPainter& p, const QImage& image, const QRectF& box, const QColor& ink);

}  // namespace qel
