#pragma once
// The sixty-second line chart: values left to right as a line over an area that fades from the
// line's colour to nothing at the bottom.
#include <QPointF>
#include <QSizeF>
#include <QWidget>

#include <optional>
#include <span>
#include <vector>

#include "Qel/Kit/Style/AdaptiveColor.hpp"

namespace qel {

// The value drawn at the top: `maxValue` when it is a usable scale, else the largest value
// times 1.2 but at least 1 (so small series never fill the height).
double sparklineScale(std::span<const double> values, std::optional<double> maxValue);

// The line's points in a chart of `size`: spread evenly across the width, a value of 0 two
// pixels above the bottom and a full-scale value two below the top, clamped between. Empty
// with fewer than two values. A value that is not a number sits at 0.
std::vector<QPointF> sparklinePoints(std::span<const double> values, std::optional<double> maxValue, QSizeF size);

class Sparkline : public QWidget {
  Q_OBJECT

 public:
  Sparkline(AdaptiveColor color, std::optional<double> maxValue = std::nullopt, QWidget* parent = nullptr);

  void setValues(std::vector<double> values);
  void setColor(AdaptiveColor color);
  void setMaxValue(std::optional<double> maxValue);
  const std::vector<double>& values() const { return values_; }

  QSize sizeHint() const override { return {120, 28}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<double> values_;
  AdaptiveColor color_;
  std::optional<double> maxValue_;
};

}  // namespace qel
