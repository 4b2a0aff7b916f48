#pragma once
// How a Qt object follows a change notice of the model: `follow(notice, receiver, heard)` calls
// `heard` after each publish of `notice` for as long as `receiver` lives; the subscription goes
// with the receiver. A widget whose window (or the window that window belongs to) is minimised
// has nothing to show: it hears nothing then, and once, at the restore, if anything came meanwhile.
//
// Templated on the notice so that this toolkit needs no model type: anything with
// `subscribe(std::function<void()>)` returning a move-only handle will do (a notice, or the
// part of one a view reads).
#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <utility>

namespace qel {

namespace follow_detail {

// A child of the receiver, so it goes with it.
class Follower : public QObject {
 public:
  Follower(QObject* receiver, std::function<void()> heard) : QObject(receiver), heard_(std::move(heard)) {}

  void tell() {
    if (QWidget* held = minimisedWindow()) {
      if (waitingFor_ != held) {
        if (waitingFor_) waitingFor_->removeEventFilter(this);
        waitingFor_ = held;
        held->installEventFilter(this);
      }
      return;
    }
    heard_();
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == waitingFor_ && event->type() == QEvent::WindowStateChange && !waitingFor_->isMinimized()) {
      waitingFor_->removeEventFilter(this);
      waitingFor_ = nullptr;
      // At once, before the window's own watchers (installed earlier, so told later) see it
      // back: the views catch up on what they missed as it is now, with no move to play.
      tell();
    }
    return false;
  }

 private:
  QWidget* minimisedWindow() const {
    // The receiver, or for a plain object the widget it belongs to.
    QObject* object = parent();
    while (object && !object->isWidgetType()) object = object->parent();
    auto* widget = static_cast<QWidget*>(object);
    for (QWidget* window = widget ? widget->window() : nullptr; window;
         window = window->parentWidget() ? window->parentWidget()->window() : nullptr)
      if (window->isMinimized()) return window;
    return nullptr;
  }

  std::function<void()> heard_;
  QPointer<QWidget> waitingFor_;
};

template <class Subscription>
class FollowerOf : public Follower {
 public:
  using Follower::Follower;
  Subscription subscription;
};

}  // namespace follow_detail

template <class NoticeT, class F>
void follow(NoticeT&& notice, QObject* receiver, F heard) {
  QPointer<QObject> alive(receiver);
  using Subscription = decltype(notice.subscribe(std::function<void()>()));
  auto* follower = new follow_detail::FollowerOf<Subscription>(receiver, [alive, heard = std::move(heard)]() mutable {
    // A receiver being destroyed is not called (its children, this one too, go a moment later).
    if (alive) heard();
  });
  follower->subscription = notice.subscribe([follower] { follower->tell(); });
}

}  // namespace qel
