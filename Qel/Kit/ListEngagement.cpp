#include "Qel/Kit/ListEngagement.hpp"

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include "Qel/Kit/Style/FocusRing.hpp"

namespace qel {

ListEngagement::ListEngagement(QWidget* list) : QObject(list), list_(list) {
  list->installEventFilter(this);
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget*) {
    if (old && (old == list_ || list_->isAncestorOf(old)) && !focusInside()) emit released();
  });
}

bool ListEngagement::focusInside() const {
  const QWidget* focus = QApplication::focusWidget();
  return focus && (focus == list_ || list_->isAncestorOf(focus));
}

// A click leaves the focus in a list too; only focus the keyboard brought holds it.
bool ListEngagement::engaged() const { return hovered_ || (focusInside() && keyboardNavigating()); }

bool ListEngagement::eventFilter(QObject* watched, QEvent* event) {
  if (watched == list_) {
    const auto type = event->type();
    if (type == QEvent::Enter) {
      hovered_ = true;
    } else if (type == QEvent::Leave || type == QEvent::Hide) {
      const bool was = hovered_;
      hovered_ = false;
      if (was) emit released();
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace qel
