#pragma once
// The day ring of the exported picture: CPU outside, memory inside, 144 slots clockwise from the
// top, with sleep arcs, event dots and four hour labels, in fixed colours for a dark card.
#include <QColor>
#include <QPointF>
#include <QSizeF>

#include "Qel/Store/PosterData.hpp"

class QPainter;

namespace qel {

struct PosterRingGeometry {
  QPointF centre;
  double outer{};  // R, the CPU track's outer radius
  double track{};  // width of one track

  explicit PosterRingGeometry(QSizeF size);
  // Track 0 is CPU, 1 memory.
  double trackOuter(int track) const;
  double trackInner(int track) const { return trackOuter(track) - this->track; }
  // Centre angle of slot position `slot` (fractions allowed), in screen radians.
  static double slotAngle(double slot);
  static double halfWidth();
};

// The bar's share of its track: the value clamped to 3.5 % … 100 %; not a number counts as 0.
double posterBarShare(double value);
// The bar's colour from the unclamped value: strain from 0.88, warn from 0.7, else the series'.
QColor posterBarColor(double value, int track);

void drawPosterRing(QPainter& painter, QSizeF size, const PosterData& data, bool showDots);

}  // namespace qel
