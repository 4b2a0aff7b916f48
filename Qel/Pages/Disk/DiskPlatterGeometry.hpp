#pragma once
// The disk platter's geometry: the outer ring of the system volume's space (used, purgeable,
// free; whatever the user can't write counts as used) and, inside it, the last minute of reads
// growing outward and writes inward around a base circle, with a dot on each history's peak.
#include <QPointF>
#include <QSizeF>

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "Qel/Samplers/Samples.hpp"

namespace qel {

enum class SpaceTone { used, purgeable, free };

struct SpaceSegment {
  double from, to;  // chart angles, trimmed at both ends to leave a gap
  SpaceTone tone;
};

struct PeakMark {
  QPointF dot;    // centre of the 8-pixel dot
  QPointF label;  // centre of the rate's label
  double value;   // bytes per second
};

struct DiskPlatter {
  QPointF centre;
  double ring = 0;  // the space ring's outer radius; its inner one is 0.8 of it
  std::vector<SpaceSegment> space;
  bool activity = false;  // false with fewer than two samples: nothing below is drawn
  double base = 0, outer = 0, inner = 0, scale = 0;
  std::vector<QPointF> reads, writes;  // wave tips, oldest first
  std::vector<QPointF> baseline;       // the wave feet on the base circle, oldest first
  std::optional<PeakMark> readPeak, writePeak;
};

// Segments of at most 0.002 of the ring are left out and take no room. Each segment is trimmed
// by 0.009 rad at each end, or a quarter of its span when that is less, so a sliver never turns
// back on itself.
// `middle` is the size of the text block in the centre and `label` that of a rate label with its
// chip: the write peak's label, inside the dot by default, moves out past its dot where it would
// lie on the middle text, and a label that the "Now" tick would cross moves beside the tick.
DiskPlatter diskPlatter(const DiskDetail& detail, std::span<const double> reads, std::span<const double> writes,
                        double side, QSizeF middle = {}, QSizeF label = {});

}  // namespace qel
