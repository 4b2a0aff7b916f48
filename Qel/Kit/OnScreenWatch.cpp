#include "Qel/Kit/OnScreenWatch.hpp"

#include <QEvent>

namespace qel {

OnScreenWatch::OnScreenWatch(QWidget* view, std::function<void()> changed)
    : view_(view), changed_(std::move(changed)) {
  view_->installEventFilter(this);
  follow();
}

bool OnScreenWatch::on() const {
  const QWindow* handle = view_->window()->windowHandle();
  return view_->isVisible() && handle && handle->isExposed() && !view_->window()->isMinimized();
}

void OnScreenWatch::follow() {
  QWidget* window = view_->window();
  if (window != window_) {
    if (window_ && window_ != view_) window_->removeEventFilter(this);
    if (window != view_) window->installEventFilter(this);
    window_ = window;
  }
  // The platform window exists from the first show on.
  QWindow* handle = window->windowHandle();
  if (handle != handle_) {
    if (handle_) handle_->removeEventFilter(this);
    if (handle) handle->installEventFilter(this);
    handle_ = handle;
  }
}

bool OnScreenWatch::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::Show:
    case QEvent::ParentChange:
      if (watched == view_) follow();
      [[fallthrough]];
    case QEvent::Hide:
    case QEvent::Expose:
    case QEvent::WindowStateChange:
      // Each is sent once the change is made: what it changed can be read here.
      changed_();
      break;
    default: break;
  }
  return false;
}

}  // namespace qel
