#pragma once
// The pale capsule on the selection bar that ends the selected processes; drawn at 35 % while
// it can't.
#include <QAbstractButton>

namespace qel {

class SelectionEndButton : public QAbstractButton {
 public:
  explicit SelectionEndButton(QWidget* parent = nullptr);
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace qel
