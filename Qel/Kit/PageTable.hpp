#pragma once
// The pages, in tab order, with what every view shows of each: its title, its ground, its accent,
// where the window's glow stands on it and its tile in the tray panel. The tab bar, the window,
// its glow, the page views and the panel read this one table, so a new page is one row here.
#include <QColor>

#include <optional>
#include <span>

#include "Qel/Kit/Style/AdaptiveColor.hpp"
#include "Qel/Kit/TileLook.hpp"
#include "Qel/Store/Enums.hpp"

namespace qel {

// Where the glow's centre stands across a page `width` wide: fraction × width + offset.
struct GlowAnchor {
  double fraction = 0;
  double offset = 0;
};

struct PageEntry {
  Page page;
  const char* title;  // a localisation key
  AdaptiveColor ground;
  QColor accent;
  AdaptiveColor accentText;  // the accent as words take it: deeper on a light ground
  GlowAnchor glow;
  std::optional<TileLook> panelTile;  // the pages the tray panel shows as tiles, in this order
};

std::span<const PageEntry> pageTable();
const PageEntry& pageEntry(Page page);

}  // namespace qel
