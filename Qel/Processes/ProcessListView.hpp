#pragma once
// The scrolling list of process rows. A click on a row's circle toggles its process in the
// selection; a click on its name or ellipsis asks for its details. From the keyboard, Space
// toggles the current row and Return opens its details; the keyboard coming in always finds a
// current row, the first in sight when the last one has gone. The list scrolls 64 pixels past its
// last row so that row can clear the action bar, and says so in words when it is empty.
#include <QListView>

#include <cstdint>
#include <functional>

namespace qel {

class ProcessTableModel;

class ProcessListView : public QListView {
  Q_OBJECT

 public:
  static constexpr int kTail = 64;

  ProcessListView(ProcessTableModel& model, QWidget* parent = nullptr);

  std::function<void(std::int32_t)> onToggle;
  std::function<void(std::int32_t)> onDetails;
  // The words shown while there is no row.
  void setEmptyText(const QString& text);
  // Lays the rows out now rather than in the next turn of the event loop, as Qt would after the
  // model changed: the tick's changes then reach the screen in one paint, not two.
  void layOutNow() { executeDelayedItemsLayout(); }

 protected:
  void updateGeometries() override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  void act(const QModelIndex& index, double x);

  ProcessTableModel& model_;
  QString emptyText_;
  QPersistentModelIndex pressed_;
};

}  // namespace qel
