#pragma once
// Where the tray panel stands, in screen coordinates (y downwards). Linux trays sit at the top or
// the bottom of a screen, and a StatusNotifierItem host may not say where its icon is: the panel
// opens below an icon in the upper half of the screen, above one in the lower half, and at the
// pointer when the icon's place is unknown; it is always kept inside the visible area and always
// opens (the content shrinks to the room there is).
#include <QPointF>
#include <QRectF>
#include <QRegion>

#include <optional>

#include "Qel/Kit/Style/Spacing.hpp"

namespace qel {

struct PanelPlacement {
  QRectF frame;    // the whole window, margin included
  QRectF content;  // the card inside it
  bool operator==(const PanelPlacement&) const = default;
};

inline constexpr double kPanelWidth = 384;
inline constexpr double kPanelCornerRadius = 16;
// The transparent margin around the card (its shadow's room) where a compositor draws one.
inline constexpr double kPanelShadowInset = 24;
// The gap between the icon and the card.
inline constexpr double kPanelTopInset = Space::xxs;

// `icon` is the tray icon's rectangle when known; `visible` the screen's area without panels;
// `translucent` whether a compositor can show the transparent margin (without one there is none).
PanelPlacement panelFrame(std::optional<QRectF> icon, const QRectF& visible, QPointF pointer,
                          double contentHeight, bool translucent);

// Whether `point` lies on the card itself: not in the margin, not in its rounded corners.
bool containsContent(const PanelPlacement& placement, QPointF point);

// The card's rounded shape in the window's own coordinates, in whole pixels: the window's shape
// where no compositor can show a transparent margin, so nothing shows around the corners.
QRegion cardRegion(const PanelPlacement& placement);

}  // namespace qel
