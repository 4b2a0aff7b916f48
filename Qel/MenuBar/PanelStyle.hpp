#pragma once
// The tints and the shade the tray panel's cells share.
#include <QColor>

#include "Qel/Window/Palette.hpp"

namespace qel::PanelStyle {

// The tints in both looks, for what resolves its colour when it paints (labels, cards).
inline AdaptiveColor warmTint() { return Palette::adaptive(0x9D601F, 0xF2B45A); }
inline AdaptiveColor hotTint() { return Palette::adaptive(0xB34129, 0xFF7A59); }
inline AdaptiveColor greyTint() { return Palette::adaptive(0x4C5B55, 0xA7AEAC); }
inline AdaptiveColor mutedTint() { return Palette::adaptive(0x6B7773, 0x737B7A); }

// The same, and the others, for the look drawn now.
inline QColor accent() { return Palette::themed(0x6FDCBF, 0x2A826D); }
inline QColor warm() { return warmTint().resolve(); }
inline QColor hot() { return hotTint().resolve(); }
inline QColor grey() { return greyTint().resolve(); }
inline QColor muted() { return mutedTint().resolve(); }
inline QColor primary() { return Palette::light() ? Palette::rgb(0x1B2422) : Palette::rgb(0xEEF0EE); }
inline QColor memory() { return Palette::themed(0xB8A1FF, 0x7559BA); }
// Black on a light interface, white on a dark one, at `opacity`.
inline QColor shade(double opacity) {
  QColor c = Palette::light() ? QColor(Qt::black) : QColor(Qt::white);
  c.setAlphaF(float(opacity));
  return c;
}
inline constexpr double kCellRadius = 12;

}  // namespace qel::PanelStyle
