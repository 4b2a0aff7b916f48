#pragma once
// The close button of a sheet's header: a cross in a 28-pixel square, all of it clickable. Most
// sheets lay a faint disc under the cross; the release notes and the notices show it bare.
#include <QAbstractButton>

namespace qel {

class CloseButton : public QAbstractButton {
  Q_OBJECT

 public:
  enum class Look { bare, washed };

  explicit CloseButton(Look look, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Look look_;
};

}  // namespace qel
