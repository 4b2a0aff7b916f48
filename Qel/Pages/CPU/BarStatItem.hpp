#pragma once
// A small ring gauge beside a title and a percentage. The ring fills clockwise from twelve
// o'clock to the fraction (clamped to a full turn) and eases to each new value; the percentage
// shows the fraction as given, so it may read over 100 %.
#include <QImage>
#include <QWidget>

#include "Qel/Kit/Style/AdaptiveColor.hpp"
#include "Qel/Pages/AnimatedValue.hpp"

namespace qel {

class PlainLabel;
class RollingFigure;

// The ring's sweep in radians for a fraction: none at or below 0 (or not a number), a full
// turn from 1 up.
double gaugeSweep(double fraction);

class BarStatItem : public QWidget {
  Q_OBJECT

 public:
  BarStatItem(const QString& title, double fraction, AdaptiveColor color, QWidget* parent = nullptr);

  void setFraction(double fraction);
  void setColor(AdaptiveColor color);
  double fraction() const { return fraction_; }
  RollingFigure* figure() const { return percent_; }
  // The gauge's rectangle in this widget's coordinates.
  QRect gaugeRect() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  struct GaugeLook {
    double sweep = 0;
    QRgb colour = 0, track = 0;
    double dpr = 0;
    bool operator==(const GaugeLook&) const = default;
  };

  double fraction_;
  AdaptiveColor color_;
  AnimatedValue shown_;  // the ring's fraction as drawn
  PlainLabel* title_;
  RollingFigure* percent_;
  GaugeLook gaugeLook_;
  QImage gauge_;  // the gauge as drawn for gaugeLook_
};

}  // namespace qel
