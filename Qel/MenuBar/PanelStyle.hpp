#pragma once
// The tints and the shade the tray panel's cells share.
#include <QColor>

#include "Qel/Window/Palette.hpp"

namespace qel::PanelStyle {

inline QColor accent() { return Palette::themed(0x6FDCBF, 0x2A826D); }
inline QColor warm() { return Palette::themed(0xF2B45A, 0x9D601F); }
inline QColor hot() { return Palette::themed(0xFF7A59, 0xB34129); }
inline QColor grey() { return Palette::themed(0xA7AEAC, 0x4C5B55); }
inline QColor muted() { return Palette::themed(0x737B7A, 0x6B7773); }
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
