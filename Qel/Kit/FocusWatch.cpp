#include "Qel/Kit/FocusWatch.hpp"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QWidget>

namespace qel {
namespace {

bool isNavigationKey(int key) {
  switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: return true;
    default: return false;
  }
}

bool isTabReason(Qt::FocusReason reason) {
  return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason;
}

}  // namespace

FocusWatch& FocusWatch::get() {
  static auto* watch = new FocusWatch;  // lives as long as the application
  return *watch;
}

bool FocusWatch::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
      if (isNavigationKey(static_cast<QKeyEvent*>(event)->key())) set(true);
      break;
    case QEvent::FocusOut: {
      // A control that hides or is switched off while it holds the focus has Qt pass the focus
      // on as Tab would: that is no move of the user's, so the ring stays as the last one left it.
      auto* left = watched->isWidgetType() ? static_cast<QWidget*>(watched) : nullptr;
      if (left && isTabReason(static_cast<QFocusEvent*>(event)->reason()) &&
          (!left->isVisible() || !left->isEnabled()))
        handedTo_ = QApplication::focusWidget();
      break;
    }
    case QEvent::FocusIn: {
      if (!watched->isWidgetType()) break;  // the style hears it too
      // Focus handed on as Tab would hand it is the keyboard's, whoever sent it, unless Qt
      // handed it on for a control that went away.
      const bool handedOn = watched == handedTo_;
      handedTo_ = nullptr;
      if (isTabReason(static_cast<QFocusEvent*>(event)->reason()) && !handedOn) set(true);
      break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::TouchBegin:
    case QEvent::WindowActivate: set(false); break;
    default: break;
  }
  return QObject::eventFilter(watched, event);
}

FocusWatch::FocusWatch() {
  if (QCoreApplication* app = QCoreApplication::instance()) {
    setParent(app);
    app->installEventFilter(this);
  }
}

void FocusWatch::set(bool keyboard) {
  if (keyboard == keyboard_) return;
  keyboard_ = keyboard;
  // The focused control (and what draws around it) paints its ring on or off.
  if (QWidget* focus = QApplication::focusWidget()) {
    focus->update();
    if (QWidget* parent = focus->parentWidget()) parent->update();
  }
}

}  // namespace qel
