#pragma once
// What the overview's status row and metric rows say, read from the store as plain values:
// which chips show with which symbol, words and tint, and each metric row's name, colour,
// history and value.
#include <QColor>
#include <QString>

#include <optional>
#include <string>
#include <vector>

#include "Qel/Kit/Style/AdaptiveColor.hpp"
#include "Qel/Store/Enums.hpp"
#include "Qel/Store/Parts/DayState.hpp"
#include "Qel/Store/Parts/LiveState.hpp"

namespace qel {

struct ChipFacts {
  std::string icon;
  QString text;
  AdaptiveColor tint;
  QString help;
  bool operator==(const ChipFacts&) const = default;
};

// Thermal always, battery when there is one, disk free when the disk size is known.
std::vector<ChipFacts> statusChips(const LiveState& live);

struct MetricFacts {
  Page page;
  QString name;
  QColor color;
  std::vector<double> values;
  std::optional<double> maxValue;  // none: the sparkline scales itself
  QString text;
};

// CPU, GPU (only with a GPU sample), memory, network, disk, energy, at the moment the day ring
// shows: now; a second of the last minute (each line up to it, and its value then); or a slot of
// a day (CPU and memory along the day's slots up to it and their values there; the others were
// not kept for a day and say "—").
std::vector<MetricFacts> metricRows(const LiveState& live, const DayState& day);

}  // namespace qel
