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
    case QEvent::FocusIn: {
      // Focus handed on as Tab would hand it is the keyboard's, whoever sent it.
      const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
      if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) set(true);
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
