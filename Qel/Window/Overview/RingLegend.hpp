#pragma once
// The row explaining the day mode's three kinds of marks around the ring; invisible (keeping
// its place) in live mode.
#include <QWidget>

#include "Qel/Store/Parts/DayState.hpp"

namespace qel {

class RingLegend : public QWidget {
  Q_OBJECT

 public:
  explicit RingLegend(const DayState& day, QWidget* parent = nullptr);
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }
  bool shown() const { return day_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  DayState dayState_;
  bool day_ = true;
};

}  // namespace qel
