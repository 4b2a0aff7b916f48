#include "Qel/Kit/InitialFocusClearer.hpp"

#include <QAbstractSpinBox>
#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

#include "Qel/Kit/Style/FocusRing.hpp"

namespace qel {

namespace {

bool isTextEntry(const QWidget* w) {
  return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QTextEdit*>(w) ||
         qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w);
}

}  // namespace

InitialFocusClearer::InitialFocusClearer(QWidget* host) : QObject(host), host_(host) {
  keyboardNavigating();  // from here on the window's keys and clicks decide whether rings show
  host->installEventFilter(this);
  attach();
}

void InitialFocusClearer::attach() {
  if (window_) window_->removeEventFilter(this);
  window_ = host_ ? host_->window() : nullptr;
  cleared_ = false;
  if (!window_) return;
  window_->installEventFilter(this);
  if (window_->isActiveWindow()) clearSoon();
}

bool InitialFocusClearer::eventFilter(QObject* watched, QEvent* event) {
  if (watched == host_ && event->type() == QEvent::ParentChange) attach();
  else if (watched == window_ && event->type() == QEvent::WindowActivate) clearSoon();
  return false;
}

void InitialFocusClearer::clearSoon() {
  if (cleared_) return;
  cleared_ = true;
  // One turn later, after the window has made its own choice of focus.
  QMetaObject::invokeMethod(
      this,
      [this] {
        if (!host_ || !window_ || host_->window() != window_) return;
        QWidget* focus = window_->focusWidget();
        if (!focus || isTextEntry(focus)) return;
        focus->clearFocus();
      },
      Qt::QueuedConnection);
}

}  // namespace qel
