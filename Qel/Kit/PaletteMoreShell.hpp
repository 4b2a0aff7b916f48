#pragma once
#include "Qel/Kit/Palette.hpp"

namespace qel::Palette {

// The tray panel's pills (its open button, its toast): ink on the light look, paper on the dark.
inline QColor panelPillGround() { return light() ? ink() : paper(); }
// Their words, the other way round.
inline QColor panelPillText() { return light() ? paper() : ink(); }
// The glyph on a switched-on panel toggle's accent disc.
inline QColor panelToggleGlyphOn() { return light() ? white() : ink(); }
// The ground of the tab bar's value bubble: the regular material, opaque enough to read.
inline QColor valueBubbleGround() { return themed(0x262C31, 0xFBFCFB); }

}  // namespace qel::Palette
