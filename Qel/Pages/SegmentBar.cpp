#include "Qel/Pages/SegmentBar.hpp"

#include <QPainter>

#include <algorithm>
#include <cmath>

#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Palette.hpp"

namespace qel {

namespace {
constexpr double kGap = 2, kSegmentRadius = 3, kTrackRadius = 5;
}

std::vector<QRectF> segmentBarRects(std::span<const double> shares, QSizeF size) {
  std::vector<QRectF> out;
  const double w = std::max(0.0, size.width()), h = std::max(0.0, size.height());
  double x = 0;
  for (double share : shares) {
    const double c = std::isfinite(share) ? std::clamp(share, 0.0, 1.0) : 0.0;
    const double width = std::max(0.0, c * w - kGap);
    out.emplace_back(x, 0, width, h);
    x += width + kGap;
  }
  return out;
}

SegmentBar::SegmentBar(std::vector<Segment> segments, double height, QWidget* parent)
    : QWidget(parent), segments_(std::move(segments)) {
  setFixedHeight(Fonts::pixels(height));
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  Palette::followAppearance(this);
}

void SegmentBar::setSegments(std::vector<Segment> segments) {
  segments_ = std::move(segments);
  update();
}

void SegmentBar::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(Palette::adaptiveOpacity(0.06, 0.06).resolve());
  p.drawRoundedRect(QRectF(rect()), kTrackRadius, kTrackRadius);
  std::vector<double> shares;
  for (const auto& s : segments_) shares.push_back(s.first);
  const auto rects = segmentBarRects(shares, size());
  for (std::size_t i = 0; i < rects.size(); ++i) {
    if (rects[i].width() <= 0) continue;
    p.setBrush(segments_[i].second.resolve());
    p.drawRoundedRect(rects[i], kSegmentRadius, kSegmentRadius);
  }
}

}  // namespace qel
