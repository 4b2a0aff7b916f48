#pragma once
// The per-core chart's geometry: every logical core a radial bar of ten segments around the
// centre, lit from the inside out by its load, with its recent peak marked above; performance
// cores first from twelve o'clock, then, after a gap, the efficiency cores, each group labelled
// at the rim. Angles are chart angles (radians, clockwise on screen, −π/2 at twelve o'clock).
#include <QPointF>

#include <span>
#include <vector>

namespace qel {

enum class SegmentTone { cpu, cpuPale, warn, strain, peak, track };

struct FlowerSegment {
  int slot{};
  int index{};  // 0 innermost … 9 outermost
  double inner{}, outer{}, from{}, to{};
  SegmentTone tone{};
  bool operator==(const FlowerSegment&) const = default;
};

struct FlowerLabel {
  bool efficiency{};  // the efficiency group's label, else the performance group's
  QPointF at;         // the text's centre
};

struct CoreFlower {
  QPointF centre;
  double outer{}, inner{}, pitch{};
  double gap{}, step{}, halfWidth{};
  std::vector<double> slotAngles;  // centre angle of each slot
  std::vector<int> slotCores;      // the entry of the loads each slot shows
  std::vector<FlowerSegment> segments;
  std::vector<FlowerLabel> labels;
};

// Segments lit for a load: ⌈load × 10⌉ within 0…10; a load that is not a number lights none.
int litSegments(double load);

// The radius of the hole the bars leave in a square of `side`, whether or not there are bars.
double flowerHole(double side);

// The chart in a square of `side`. `loads` are fractions per logical core with the
// `efficiencyCores` efficiency cores first; `peaks` in the same order (a missing or unusable
// peak counts as the load). Empty when there are no loads or the square leaves no ring to draw.
CoreFlower coreFlower(std::span<const double> loads, std::span<const double> peaks, int efficiencyCores, double side);

}  // namespace qel
