#pragma once
// The panel's sixty-second ring: CPU on the outer ring, memory on the inner one, one wedge per
// second, the newest opaque and older ones fainter.
#include <QColor>
#include <QPainterPath>
#include <QSizeF>
#include <QWidget>

#include <vector>

#include "Qel/Store/Parts/LiveState.hpp"

namespace qel {


enum class WedgeTone { series, warm, hot };

struct RingWedge {
  double startAngle;  // radians, screen coordinates (clockwise from +x, y down)
  double endAngle;
  double innerRadius;
  double outerRadius;       // of the track
  double valueOuterRadius;  // where the value's fill ends
  WedgeTone tone;
  double opacity;
};

// The wedges of ring `ring` (0 outer, 1 inner) for `values` in a canvas of `size`.
std::vector<RingWedge> miniRingWedges(const std::vector<double>& values, int ring, QSizeF size);
// An annular sector from `inner` to `outer` radius between the angles, around `centre`.
QPainterPath ringSector(QPointF centre, double inner, double outer, double start, double end);

class MiniRing : public QWidget {
  Q_OBJECT

 public:
  explicit MiniRing(const LiveState& live, QWidget* parent = nullptr);
  QSize sizeHint() const override { return {92, 92}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  LiveState live_;
};

}  // namespace qel
