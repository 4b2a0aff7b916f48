#pragma once
// A stacked horizontal bar: segments of given shares of the width, left to right, 2 pixels
// apart, over a faint rounded track.
#include <QRectF>
#include <QWidget>

#include <span>
#include <utility>
#include <vector>

#include "Qel/Kit/Style/AdaptiveColor.hpp"

namespace qel {

// Each segment's rectangle in a bar of `size`: share × width − 2 wide (none below zero; the 2
// make up for the gap after it, so shares adding up to 1 fill the track) and the full height.
// Shares are clamped to 0…1; one that is not a number counts as 0. A segment too narrow to draw
// still keeps its gap.
std::vector<QRectF> segmentBarRects(std::span<const double> shares, QSizeF size);

class SegmentBar : public QWidget {
  Q_OBJECT

 public:
  using Segment = std::pair<double, AdaptiveColor>;

  SegmentBar(std::vector<Segment> segments, double height, QWidget* parent = nullptr);

  void setSegments(std::vector<Segment> segments);
  const std::vector<Segment>& segments() const { return segments_; }

  QSize sizeHint() const override { return {200, height()}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<Segment> segments_;
};

}  // namespace qel
