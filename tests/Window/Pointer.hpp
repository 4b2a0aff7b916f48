#pragma once
// What a widget hears of the pointer: one that comes over it (it enters, then moves on), and one
// it merely finds above it, as when a window that covered it goes away under a resting pointer.
#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QWidget>

namespace qel::test {

inline void pointerFoundOver(QWidget* widget, QPoint at) {
  const QPointF global = widget->mapToGlobal(QPointF(at));
  QEnterEvent enter{QPointF(at), QPointF(at), global};
  QApplication::sendEvent(widget, &enter);
}

inline void pointerComesOver(QWidget* widget, QPoint at) {
  pointerFoundOver(widget, at);
  const QPointF next(at + QPoint(2, 1));
  QMouseEvent move(QEvent::MouseMove, next, next, widget->mapToGlobal(next), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &move);
}

}  // namespace qel::test
