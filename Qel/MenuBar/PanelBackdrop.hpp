#pragma once
// The tray panel's card ground: a soft gradient from top to bottom, lit from the top left corner
// by a glow in the tint of the machine's status level, with the card's rounded corners. It is one
// dithered picture per look, so the faint fades show no rings, made again only when the card's
// size, the screen's scale, the appearance or the glow's tint changes.
#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>

#include "Qel/Store/Enums.hpp"

namespace qel {

inline constexpr double kPanelGlowRadius = 260;

// The gradient's ends and the glow: its tint by status level and its strength at the corner.
QColor panelBackdropTop(bool light);
QColor panelBackdropBottom(bool light);
QColor panelGlowTint(Level level);
double panelGlowOpacity(bool light);

struct PanelBackdropLook {
  QSize size;  // the card, in points
  double dpr = 1;
  bool light = true;
  QRgb tint = 0;
  bool operator==(const PanelBackdropLook&) const = default;
};

// The ground at a point of the card (points from its top left), before dithering; the corners'
// rounding aside.
QColor panelBackdropAt(const PanelBackdropLook& look, QPointF at);

// The whole picture, transparent outside the rounded card.
QImage paintPanelBackdrop(const PanelBackdropLook& look);
// Paints again, into a picture of the same size and scale, only the square the glow reaches: for
// a change of tint.
void repaintPanelGlow(QImage& image, const PanelBackdropLook& look);

}  // namespace qel
