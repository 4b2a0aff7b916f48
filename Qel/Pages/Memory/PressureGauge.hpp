#pragma once
// The horizontal memory-pressure scale: calm, warning and strain bands split at 60 % and 85 %,
// with a marker that eases to the pressure.
#include <QWidget>

#include "Qel/Pages/AnimatedValue.hpp"

namespace qel {

// The marker's left edge in a scale `width` wide: the pressure's share of it less half the
// marker; at the left end for 0, below 0 or not a number, at the right end above 100.
double pressureMarkerX(double pressure, double width);

class PressureGauge : public QWidget {
  Q_OBJECT

 public:
  explicit PressureGauge(QWidget* parent = nullptr);

  void setValue(double pressure);
  double value() const { return shown_.target(); }

  QSize sizeHint() const override { return {200, 16}; }
  QSize minimumSizeHint() const override { return {40, 16}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  AnimatedValue shown_;
};

}  // namespace qel
