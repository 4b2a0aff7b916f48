#pragma once
// Takes away the keyboard focus a window hands its first focusable control when it becomes
// active, so no control shows a focus frame the user did not ask for. It does so once per
// window it is put into, one event-loop turn after the activation; a text field the user is
// already typing in keeps the focus. Made as a child of any widget of the window.
#include <QObject>
#include <QPointer>
#include <QWidget>

namespace qel {

class InitialFocusClearer : public QObject {
  Q_OBJECT

 public:
  explicit InitialFocusClearer(QWidget* host);

  // Whether the clearing for the current window has been done or is on its way.
  bool cleared() const { return cleared_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void attach();
  void clearSoon();

  QPointer<QWidget> host_;
  QPointer<QWidget> window_;
  bool cleared_ = false;
};

}  // namespace qel
