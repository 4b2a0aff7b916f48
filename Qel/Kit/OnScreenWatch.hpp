#pragma once
// Whether a view can be seen: shown, in a top-level window that is exposed (not covered or
// unmapped) and not minimised, with a call each time that may have changed. Covering,
// uncovering and minimising are told to the top-level window and its platform window, not to
// the view, so it watches those too, and follows the view into another window.
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <functional>

namespace qel {

// Held by value as the view's last member, so it is gone before anything it calls back into.
class OnScreenWatch : public QObject {
 public:
  // `changed` runs after anything that may have changed `on()`; it may run when nothing did.
  OnScreenWatch(QWidget* view, std::function<void()> changed);
  OnScreenWatch(const OnScreenWatch&) = delete;
  OnScreenWatch& operator=(const OnScreenWatch&) = delete;

  bool on() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void follow();

  QWidget* view_;
  std::function<void()> changed_;
  QPointer<QWidget> window_;
  QPointer<QWindow> handle_;
};

}  // namespace qel
