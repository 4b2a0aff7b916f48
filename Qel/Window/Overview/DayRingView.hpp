#pragma once
// The day ring on screen: the drawing sized to a square (with room beside it for the side
// labels), the selected moment in its centre, and clicks and drags on the disc that select a
// slot. The drawing is kept in a pixmap and made again only when its picture, size or
// appearance changes; the centre is repainted alone when only the moment changes.
#include <QPixmap>
#include <QWidget>

#include <algorithm>

#include "Qel/Store/Moment.hpp"
#include "Qel/Window/Overview/DayRingPicture.hpp"
#include "Qel/Window/ViewRegistry.hpp"

namespace qel {

class DayRingView : public QWidget {
  Q_OBJECT

 public:
  // How far the drawing reaches beyond each side of the ring's square, for the side labels.
  static constexpr int kBleed = 44;

  explicit DayRingView(const ViewContext& context, QWidget* parent = nullptr);

  // The ring's square, centred in the view.
  QRectF ringFrame() const;
  // How many times the ring's drawing has been made (not merely copied to the screen).
  int drawings() const { return drawings_; }
  const DayRingPicture& picture() const { return picture_; }

  // The square beside the room for the labels.
  QSize sizeHint() const override { return {400 + 2 * kBleed, 400}; }
  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override { return std::max(0, width - 2 * kBleed); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void storeChanged();
  void selectAt(QPointF pos, bool press);
  QRectF canvasRect() const;
  QRectF centreRect() const;
  void paintCentre(QPainter& p, const QRectF& frame);

  LiveState live_;
  DayState day_;
  InsightState insights_;
  SleepState sleep_;
  Navigator& navigator_;
  DayRingPicture picture_;
  Moment moment_;
  bool selectedSleep_ = false;
  bool dragging_ = false;
  QPixmap drawing_;
  QSize drawnSize_;
  double drawnRatio_ = 0;
  bool drawnLight_ = false;
  DayRingPicture drawnPicture_;
  int drawings_ = 0;
};

}  // namespace qel
