#pragma once
// The four-pixel capsule gauge: a faint track and a bar of the given colour filled to a fraction.
#include <QWidget>

#include "Qel/Kit/Style/AdaptiveColor.hpp"

namespace qel {

// The bar's width in a track `trackWidth` wide: the fraction of it, the whole track above 1,
// nothing at or below 0 (or for a fraction that is not a number), but never under 2 pixels.
double thinBarWidth(double fraction, double trackWidth);

class ThinBar : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kHeight = 4;

  ThinBar(double fraction, AdaptiveColor color, QWidget* parent = nullptr);

  void setFraction(double fraction);
  void setColor(AdaptiveColor color);
  double fraction() const { return fraction_; }

  QSize sizeHint() const override { return {80, kHeight}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  double fraction_;
  AdaptiveColor color_;
};

}  // namespace qel
