#pragma once
// A round battery gauge: a track circle, the charge as an arc from twelve o'clock clockwise, and a
// symbol in the middle. Used for the batteries of connected devices.
#include <QColor>
#include <QRectF>
#include <QWidget>

#include <string>

#include "Qel/Kit/Style/AdaptiveColor.hpp"

namespace qel {

struct BatteryGaugeShape {
  QRectF circle;    // the circle the stroke is centred on
  double fraction;  // of the circle the charge covers, 0 to 1
  bool warning;     // below 20 %
  bool operator==(const BatteryGaugeShape&) const = default;
};

// The gauge in a box of `size`: the largest centred square, 3 px in on every side. A charge
// outside 0…100 is drawn at the nearer end, never past a full turn or backwards.
BatteryGaugeShape batteryGaugeShape(QSizeF size, int percent);

class BatteryGauge : public QWidget {
  Q_OBJECT

 public:
  struct Style {
    double lineWidth = 4.5;
    AdaptiveColor normal, warning, track, symbol;
    double symbolSize = 22;
  };

  BatteryGauge(std::string symbol, int percent, Style style, QWidget* parent = nullptr);

  int percent() const { return percent_; }
  const std::string& symbol() const { return symbol_; }
  // The colour the charge is drawn in now.
  QColor chargeColor() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::string symbol_;
  int percent_;
  Style style_;
};

}  // namespace qel
