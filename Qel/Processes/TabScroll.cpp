#include "Qel/Processes/TabScroll.hpp"

#include <QEvent>
#include <QLayout>

#include <algorithm>

namespace qel {

TabScroll::TabScroll(QWidget* content, int width, QWidget* parent) : QScrollArea(parent), width_(width) {
  setFrameShape(QFrame::NoFrame);
  setWidgetResizable(true);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  viewport()->setAutoFillBackground(false);
  setWidget(content);
  content->setAutoFillBackground(false);  // after setWidget, which turns it on: the sheet's ground shows
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  content->installEventFilter(this);
}

QSize TabScroll::sizeHint() const {
  const QLayout* column = widget()->layout();
  const int wanted =
      column->hasHeightForWidth() ? column->totalHeightForWidth(width_) : column->totalSizeHint().height();
  // Wrapped lines in nested boxes can need a little more than the height-for-width estimate;
  // the content's own minimum says what the scroll area will really give it.
  return {width_, std::max(wanted, widget()->minimumSizeHint().height())};
}

QSize TabScroll::minimumSizeHint() const { return {0, std::min(sizeHint().height(), 120)}; }

bool TabScroll::eventFilter(QObject* watched, QEvent* event) {
  if (watched == widget() && event->type() == QEvent::LayoutRequest) updateGeometry();
  return QScrollArea::eventFilter(watched, event);
}

}  // namespace qel
