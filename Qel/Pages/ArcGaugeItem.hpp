#pragma once
// A small half-ring gauge under a title, its percentage inside the arc: the upper half circle
// from left to right, filled to the fraction (clamped to the whole half) and easing to each
// new value.
#include <QWidget>

#include "Qel/Kit/AdaptiveColor.hpp"
#include "Qel/Pages/AnimatedValue.hpp"

namespace qel {

class PlainLabel;
class RollingFigure;

// The filled arc's sweep in radians: none at or below 0 (or not a number), π from 1 up.
double arcGaugeSweep(double fraction);

class ArcGaugeItem : public QWidget {
  Q_OBJECT

 public:
  ArcGaugeItem(const QString& title, double fraction, AdaptiveColor color, QWidget* parent = nullptr);

  void setFraction(double fraction);
  double fraction() const { return fraction_; }
  // The arc's canvas in this widget's coordinates.
  QRect canvasRect() const;

  static constexpr int kWidth = 64, kHeight = 36;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  double fraction_;
  AdaptiveColor color_;
  AnimatedValue shown_;
  PlainLabel* title_;
  RollingFigure* percent_;
};

}  // namespace qel
