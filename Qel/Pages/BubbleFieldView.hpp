#pragma once
// The memory page's chart: the bubble field inside its ring of memory pressure, in the largest
// square that fits. It moves at 30 frames a second (one a second while motion is off) only while
// it is on screen; a click on a process's bubble opens that process's details.
#include <QFont>
#include <QPointer>
#include <QStaticText>
#include <QWidget>

#include <unordered_map>

#include "Qel/Pages/BubbleModel.hpp"
#include "Qel/Window/FrameTimer.hpp"

class QPainter;
class QWindow;

namespace qel {

class Store;

// Draws the field of a model, frame after frame. The labels are laid out once for each text and
// room and kept while their bubble lasts, so a frame only places them.
class BubbleFieldPainter {
 public:
  BubbleFieldPainter();

  // Draws the field of `model` around `centre` with the pressure ring for `pressure` percent.
  void paint(QPainter& painter, const BubbleModel& model, QPointF centre, double pressure);

 private:
  struct Label {
    std::string label;
    std::uint64_t bytes = 0;
    QString name;                      // the label, cut as shown
    double nameWidth = 0, shortest = 0, sizeWidth = 0;
    double room = -1;                  // the room the shown name was shortened for; −1 whole
    QStaticText shownName, size;
    bool seen = false;                 // drawn in this frame
  };
  Label& label(const Bubble& b);
  void drawLabel(QPainter& painter, const Bubble& b, QPointF at, const QColor& colour);

  QFont nameFont_, sizeFont_;
  double nameHeight_ = 0, sizeHeight_ = 0;
  std::unordered_map<std::string, Label> labels_;  // by bubble key
};

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
  BubbleFieldPainter painter_;
  FrameTimer frames_;
  QPointer<QWindow> watched_;
};

}  // namespace qel
