#pragma once
// How a page shows as a tile in the tray panel: its tint and the figure its bar is full at (none:
// the bar is scaled to the figure's own recent peak).
#include <optional>

#include "Qel/Kit/Style/AdaptiveColor.hpp"

namespace qel {

struct TileLook {
  std::optional<double> max;
  AdaptiveColor tint;  // deeper than the page's accent text, to read on the panel's ground
};

}  // namespace qel
