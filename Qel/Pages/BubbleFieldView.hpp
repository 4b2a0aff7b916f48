#pragma once
// The memory page's chart: the bubble field inside its ring of memory pressure, in the largest
// square that fits. It moves at 30 frames a second (one a second while motion is off) only while
// it is on screen; a click on a process's bubble opens that process's details.
#include <QPointer>
#include <QWidget>

#include "Qel/Pages/BubbleModel.hpp"
#include "Qel/Window/FrameTimer.hpp"

class QPainter;
class QWindow;

namespace qel {

class Store;

// Draws the field of `model` around `centre` with the pressure ring for `pressure` percent.
void paintBubbleField(QPainter& painter, const BubbleModel& model, QPointF centre, double pressure);

class BubbleFieldView : public QWidget {
  Q_OBJECT

 public:
  explicit BubbleFieldView(Store& store, QWidget* parent = nullptr);

  const BubbleModel& model() const { return model_; }
  bool running() const { return frames_.isActive(); }
  // The field's centre and the model's radius for the view's present size.
  QPointF centre() const;
  double fieldRadius() const;
  // Runs one frame now: takes the store's items, steps and repaints.
  void frame();

  QSize sizeHint() const override { return {420, 420}; }
  QSize minimumSizeHint() const override { return {160, 160}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool onScreen() const;
  void schedule();

  Store& store_;
  BubbleModel model_;
  FrameTimer frames_;
  QPointer<QWindow> watched_;
};

}  // namespace qel
