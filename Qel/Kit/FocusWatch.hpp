#pragma once
// Watches every event of the application for what the user moved with last. Controls ask it
// when they paint; it repaints the focused control when the answer changes.
#include <QObject>
#include <QPointer>

class QWidget;

namespace qel {

class FocusWatch : public QObject {
  Q_OBJECT

 public:
  static FocusWatch& get();

  bool keyboard() const { return keyboard_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  FocusWatch();
  void set(bool keyboard);

  bool keyboard_ = false;
  // Where Qt is handing the focus because the control that held it hid or was switched off.
  QPointer<QWidget> handedTo_;
};

}  // namespace qel
