#pragma once
// The GPU chart's geometry: a honeycomb whose share of lit cells is the utilisation, filled
// from the centre outwards, inside a ring of one wedge per second of the last minute, the
// newest just before twelve o'clock. Angles are chart angles (radians, clockwise on screen).
#include <QPointF>

#include <optional>
#include <span>
#include <vector>

#include "Qel/Samplers/Samples.hpp"

namespace qel {

// How many cells: the GPU's core count from 4 to 80, else 37 (three rings round a centre).
int hiveCellCount(const std::optional<GPUSample>& gpu);

// The centres of `count` cells in lattice units (neighbours √3 apart, rows 1.5 apart), nearest
// the centre first; cells at equal distance in the order they were generated. At most 225.
std::vector<QPointF> hiveLayout(int count);

// The six corners of a hexagon with corners at the top and bottom, from −30° clockwise.
std::vector<QPointF> hexagon(QPointF centre, double radius);

enum class HiveTone { gpu, hot, warn, strain, track };

struct HiveCell {
  QPointF centre;
  double radius{};
  double opacity{};
  HiveTone tone{};
};

struct HiveWedge {
  double from{}, to{};
  double inner{}, outer{};  // the value's extent; the track spans the whole ring
  double opacity{};
  HiveTone tone{};
};

struct GPUHive {
  QPointF centre;
  double outer{}, inner{};
  std::vector<HiveCell> cells;
  std::vector<HiveWedge> wedges;
  QPointF now;  // centre of the "Now" label
};

// The chart in a square of `side`; empty where the ring would have no radius.
GPUHive gpuHive(const std::optional<GPUSample>& gpu, std::span<const double> history, double side);

}  // namespace qel
