#pragma once
// The round close button of a sheet's header: a cross in a 28-pixel square, all of it clickable.
// The settings sheet lays a faint disc under its cross; the small sheets show the bare cross.
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
