#pragma once
// The memory page's chart: the bubble field inside its ring of memory pressure, in the largest
// square that fits. It moves at 30 frames a second (one a second while motion is off) only while
// it is on screen; a click on a process's bubble opens that process's details.
#include <QWidget>

#include <vector>

#include "Qel/Kit/FrameTimer.hpp"
#include "Qel/Kit/OnScreenWatch.hpp"
#include "Qel/Pages/Memory/BubbleFieldPainter.hpp"
#include "Qel/Pages/Memory/BubbleModel.hpp"
#include "Qel/Store/Parts/LiveState.hpp"
#include "Qel/Store/Parts/ProcessState.hpp"

namespace qel {

class Navigator;

class BubbleFieldView : public QWidget {
  Q_OBJECT

 public:
  BubbleFieldView(LiveState live, ProcessState processes, Navigator& navigator, QWidget* parent = nullptr);

  const BubbleModel& model() const { return model_; }
  bool running() const { return frames_.isActive(); }
  // The field's centre and the model's radius for the view's present size.
  QPointF centre() const;
  double fieldRadius() const;
  // Takes the store's bubbles: once per change of the store, not on every frame, as finding the
  // largest processes walks them all.
  void takeItems();
  // Runs one frame now: steps towards the items last taken and repaints.
  void frame();

  QSize sizeHint() const override { return {420, 420}; }
  QSize minimumSizeHint() const override { return {160, 160}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void schedule();

  LiveState live_;
  ProcessState processes_;
  Navigator& navigator_;
  std::vector<BubbleItem> items_;
  BubbleModel model_;
  BubbleFieldPainter painter_;
  FrameTimer frames_;
  OnScreenWatch screen_;
};

}  // namespace qel
