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
bool ListEngagement::engaged() const { return moved_ || (focusInside() && keyboardNavigating()); }

bool ListEngagement::inList(const QObject* object) const {
  if (!object || !object->isWidgetType()) return false;
  const auto* widget = static_cast<const QWidget*>(object);
  return widget == list_ || list_->isAncestorOf(widget);
}

void ListEngagement::leave() {
  const bool was = moved_;
  over_ = moved_ = false;
  qApp->removeEventFilter(this);
  if (was) emit released();
}

bool ListEngagement::eventFilter(QObject* watched, QEvent* event) {
  const auto type = event->type();
  if (watched == list_ && type == QEvent::Enter && !over_) {
    over_ = true;
    // Its first move or press may reach a row inside rather than the list: the application
    // hears it for the list until then.
    qApp->installEventFilter(this);
  } else if (watched == list_ && (type == QEvent::Leave || type == QEvent::Hide)) {
    leave();
  } else if (over_ && !moved_ && (type == QEvent::MouseMove || type == QEvent::MouseButtonPress) && inList(watched)) {
    moved_ = true;
    qApp->removeEventFilter(this);
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace qel
