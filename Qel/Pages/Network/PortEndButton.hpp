#pragma once
// A port row's End capsule: it keeps its place in the row and is drawn only while the row is
// hovered or the button holds the keyboard focus.
#include <QAbstractButton>

namespace qel {

class PortEndButton : public QAbstractButton {
 public:
  explicit PortEndButton(QWidget* parent = nullptr);

  // Whether the row under the pointer asks for it to be drawn.
  void setShown(bool on);

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  bool shown_ = false;
};

}  // namespace qel
