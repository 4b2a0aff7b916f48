#pragma once
// A pop-up of choices in the program's own look: the current choice on a faint capsule with a
// small up-and-down chevron, as the other controls beside it are drawn, and the focus ring while
// the keyboard is on it; with no choice made, its placeholder text. The list it opens is the
// toolkit's.
#include <QComboBox>

namespace qel {

class ChoiceBox : public QComboBox {
  Q_OBJECT

 public:
  explicit ChoiceBox(double pixelSize, QWidget* parent = nullptr);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace qel
