#include "Qel/Processes/ProcessListView.hpp"

#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Processes/ProcessRowGeometry.hpp"
#include "Qel/Processes/ProcessTableModel.hpp"

namespace qel {

ProcessListView::ProcessListView(ProcessTableModel& model, QWidget* parent) : QListView(parent), model_(model) {
  setModel(&model);
  setUniformItemSizes(true);  // two thousand rows are laid out by arithmetic, not measured
  setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // Always there (the slim bar draws nothing while the rows fit): a bar that came and went with
  // the extra tail would resize the viewport, which lays the rows out again, without end.
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setSelectionMode(QAbstractItemView::NoSelection);  // the selection is the store's, drawn by the rows
  setFrameShape(QFrame::NoFrame);
  setMouseTracking(true);
  setAttribute(Qt::WA_Hover);
  viewport()->setAutoFillBackground(false);
  setAutoFillBackground(false);
  setFocusPolicy(Qt::StrongFocus);
  Palette::followAppearance(viewport());
}

void ProcessListView::setEmptyText(const QString& text) {
  if (text == emptyText_) return;
  emptyText_ = text;
  if (model_.rowCount() == 0) viewport()->update();
}

void ProcessListView::updateGeometries() {
  // The tail goes into the contents Qt scrolls by, not onto its range afterwards: a range set
  // over Qt's own would pull a list scrolled into the tail back up each tick, and where the rows
  // fit without the tail, Qt would hide the bar and it would come back, one more paint a tick.
  const int rows = model_.rowCount();
  if (rows > 0) resizeContents(contentsSize().width(), rows * int(ProcessRowGeometry::kHeight) + kTail);
  QListView::updateGeometries();
  verticalScrollBar()->setSingleStep(int(ProcessRowGeometry::kHeight) / 2);
}

void ProcessListView::paintEvent(QPaintEvent* event) {
  QListView::paintEvent(event);
  if (model_.rowCount() > 0 || emptyText_.isEmpty()) return;
  QPainter p(viewport());
  p.setFont(Fonts::text(Type::body));
  p.setPen(Palette::tertiaryText().resolve());
  const QRect box(Space::l, Space::sheetWide, viewport()->width() - 2 * Space::l,
                  viewport()->height() - Space::sheetWide);
  p.drawText(box, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, emptyText_);
}

void ProcessListView::act(const QModelIndex& index, double x) {
  if (!index.isValid()) return;
  const std::int32_t pid = model_.proc(index.row()).pid;
  switch (rowPartAt(processRowGeometry(viewport()->width()), x)) {
    case RowPart::select:
      if (onToggle) onToggle(pid);
      break;
    case RowPart::name:
    case RowPart::details:
      if (onDetails) onDetails(pid);
      break;
    case RowPart::none: break;
  }
}

void ProcessListView::mousePressEvent(QMouseEvent* event) {
  pressed_ = indexAt(event->position().toPoint());
  if (pressed_.isValid()) setCurrentIndex(pressed_);
  event->accept();
}

void ProcessListView::mouseReleaseEvent(QMouseEvent* event) {
  const QModelIndex index = indexAt(event->position().toPoint());
  // The press and release must meet on the same process (rows move under a resting pointer).
  if (event->button() == Qt::LeftButton && index.isValid() && index == pressed_) act(index, event->position().x());
  pressed_ = QPersistentModelIndex();
  event->accept();
}

void ProcessListView::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }

void ProcessListView::focusInEvent(QFocusEvent* event) {
  // Qt picks a first row only before any row was ever current; one the search or an ended
  // process took away would leave the keyboard on nothing, with nothing to show it.
  if (event->reason() != Qt::MouseFocusReason && !currentIndex().isValid() && model_.rowCount() > 0) {
    QModelIndex inSight = indexAt(QPoint(viewport()->width() / 2, 0));
    // The first whole row, so taking it scrolls nothing.
    if (inSight.isValid() && visualRect(inSight).top() < 0 && inSight.row() + 1 < model_.rowCount())
      inSight = model_.index(inSight.row() + 1);
    selectionModel()->setCurrentIndex(inSight.isValid() ? inSight : model_.index(0), QItemSelectionModel::NoUpdate);
  }
  QListView::focusInEvent(event);
}

void ProcessListView::keyPressEvent(QKeyEvent* event) {
  const QModelIndex index = currentIndex();
  if (index.isValid() && event->key() == Qt::Key_Space) {
    if (onToggle) onToggle(model_.proc(index.row()).pid);
    return;
  }
  if (index.isValid() && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
    if (onDetails) onDetails(model_.proc(index.row()).pid);
    return;
  }
  QListView::keyPressEvent(event);
}

}  // namespace qel
