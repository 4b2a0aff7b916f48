#pragma once
// The network page's star map as numbers: the machine in the middle, each online app a dot on
// a spoke of its own, nearer the middle for more total traffic, bigger for more traffic right
// now, with pulses running inward while it moves more than 512 B/s.
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QList>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

#include "Qel/Samplers/ProcInfo.hpp"

namespace qel {

enum class LabelAnchor { leading, centre, trailing };

struct StarDot {
  std::int32_t pid = 0;
  QPointF centre;
  double radius = 0;
  double opacity = 0;          // 1 with pulses, 0.45 without
  std::vector<QPointF> pulses;  // centres, each drawn at opacity pulseOpacity[k]
  std::vector<double> pulseOpacity;
  QString label;
  QPointF labelPoint;
  LabelAnchor anchor = LabelAnchor::centre;
};

struct StarFrame {
  bool drawn = false;  // false when the map has no room: nothing at all is drawn
  QPointF centre;
  double outer = 0;
  std::vector<double> guides;  // radii of the dashed circles
  std::vector<StarDot> dots;   // in pid order
};

inline constexpr double kStarInner = 36, kStarSideMargin = 110, kStarEndMargin = 40, kStarMinOuter = 56;
inline constexpr double kStarClickTolerance = 6, kStarPulseRadius = 1.6;
// The machine's name sits this far below the middle; no dot comes nearer to it than this.
inline constexpr double kStarLabelDrop = 24, kStarLabelClearance = 3;

// Where the machine's name of `label`'s size sits under the middle at `centre`.
QRectF starCentreLabel(QPointF centre, QSizeF label);

// One frame at `t` seconds for at most 12 nodes on a canvas of `size`, keeping the dots off the
// machine's name of `centreLabel`'s size.
StarFrame starFrame(const std::vector<ProcInfo>& nodes, QSizeF size, double t, QSizeF centreLabel = {});

// A name of more than 16 characters cut to its first 15 and "…".
QString starLabel(const QString& name);

// The dot a click at `at` means: of the dots within their radius plus 6 points, the nearest
// (the lower pid on a tie); none when the click is clear of every dot.
std::optional<std::int32_t> starHit(const std::vector<StarDot>& dots, QPointF at);

}  // namespace qel
