#pragma once
// The energy ring as numbers: sixty wedges around a ring, one per second of the last minute, now
// at twelve o'clock and the oldest second just clockwise of it. Each wedge stacks the chosen
// processes in their layer colours, then a grey remainder up to the second's total draw.
#include <cstdint>
#include <map>
#include <utility>
#include <vector>

namespace qel {

constexpr int kEnergySlots = 60;

// The chart angles (radians, clockwise, −π/2 at twelve) a slot's wedge spans: 72 % of its slot.
std::pair<double, double> energySlotSpan(int slot);

struct EnergyWedge {
  enum class Kind { background, layer, remainder };
  Kind kind{};
  int slot{};
  int colour{};  // the layer colour's index for layers
  double inner{}, outer{};
  double opacity{};
  bool operator==(const EnergyWedge&) const = default;
};

struct EnergyRingInput {
  const std::vector<std::vector<double>>& layers;                  // the stacked processes, in order
  const std::map<std::int32_t, std::vector<double>>& everyProcess;  // all of them, the stacked ones too
  const std::vector<double>& powerHist;                             // the whole draw, oldest first
};

struct EnergyRingLayout {
  double centre{}, outer{}, inner{};
  double scale{};  // watts the ring's depth stands for, at least 5
  std::vector<EnergyWedge> wedges;  // in drawing order
  double batteryRadius{};
};

// The ring in a square of `side`. Missing seconds and values that are not finite count as 0;
// values that are not positive draw nothing.
EnergyRingLayout energyRingLayout(double side, const EnergyRingInput& in);

// How far round the battery arc reaches from twelve o'clock, in radians: 0 to a full turn.
double batteryArcSweep(int percent);

}  // namespace qel
