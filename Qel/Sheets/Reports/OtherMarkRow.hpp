#pragma once
#include <QAbstractButton>

#include "Qel/History/Stretch.hpp"

namespace qel {

// One of the other marks of the day: its name and times, and its peak; all of it one button.
class OtherMarkRow : public QAbstractButton {
  Q_OBJECT

 public:
  OtherMarkRow(const Stretch& stretch, QWidget* parent = nullptr);
  const Stretch& stretch() const { return stretch_; }
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return {0, sizeHint().height()}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Stretch stretch_;
};

}  // namespace qel
