#pragma once
// The tints and the shade the tray panel's cells share. Words in them read at 4.5 : 1 or more on
// the card's backdrop and on a cell's shade over it, in both looks.
#include <QColor>

#include "Qel/Kit/PageTable.hpp"
#include "Qel/Kit/Style/Palette.hpp"

namespace qel::PanelStyle {

// The tints in both looks, for what resolves its colour when it paints (labels, cards).
inline AdaptiveColor warmTint() { return Palette::panelWarm(); }
inline AdaptiveColor hotTint() { return Palette::panelHot(); }
inline AdaptiveColor greyTint() { return Palette::panelGrey(); }
inline AdaptiveColor mutedTint() { return Palette::panelMuted(); }

// The metric tiles' colours (their name, swatch and line): CPU, memory, network, energy.
inline AdaptiveColor metricTint(Page page) {
  const auto& tile = pageEntry(page).panelTile;
  return tile ? tile->tint : pageEntry(Page::cpu).panelTile->tint;
}

// The same, and the others, for the look drawn now.
inline QColor accent() { return metricTint(Page::cpu).resolve(); }
inline QColor warm() { return warmTint().resolve(); }
inline QColor hot() { return hotTint().resolve(); }
inline QColor grey() { return greyTint().resolve(); }
inline QColor muted() { return mutedTint().resolve(); }
inline QColor primary() { return Palette::primaryText().resolve(); }
inline QColor memory() { return metricTint(Page::mem).resolve(); }
// Black on a light interface, white on a dark one, at `opacity`.
inline QColor shade(double opacity) { return Palette::wash(opacity); }
inline constexpr double kCellRadius = 12;

}  // namespace qel::PanelStyle
