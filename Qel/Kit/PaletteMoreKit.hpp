#pragma once
#include "Qel/Kit/Palette.hpp"

namespace qel::Palette {

// The program's mark: its ring's gradient (top, middle, bottom), its water's (top, bottom) and
// the wave behind the water, in the warm look of a busy machine and in the light and dark ones.
inline QColor markRingWarmTop() { return rgb(0xFFE3B8); }
inline QColor markRingWarmMiddle() { return rgb(0xF2A65A); }
inline QColor markRingWarmBottom() { return rgb(0xE0675C); }
inline QColor markWaterWarmTop() { return rgb(0xF7C072); }
inline QColor markWaterWarmBottom() { return rgb(0xE46A5E); }
inline QColor markBackWaveWarm() { return rgb(0xF2A65A); }
inline QColor markRingLightTop() { return rgb(0x60D6C8); }
inline QColor markRingLightMiddle() { return rgb(0x28AABE); }
inline QColor markRingLightBottom() { return rgb(0x286EDC); }
inline QColor markWaterLightTop() { return rgb(0x5AD2C8); }
inline QColor markWaterLightBottom() { return rgb(0x286ED2); }
inline QColor markBackWaveLight() { return rgb(0x3CBEBE); }
inline QColor markRingDarkTop() { return rgb(0xD6FBF5); }
inline QColor markRingDarkMiddle() { return rgb(0x7CF0E0); }
inline QColor markRingDarkBottom() { return rgb(0x4AA3FF); }
inline QColor markWaterDarkTop() { return rgb(0x8EF4E6); }
inline QColor markWaterDarkBottom() { return rgb(0x3F8FE8); }
inline QColor markBackWaveDark() { return rgb(0x7CF0E0); }
// The taskbar icon's tile in the light look, and the sheen at its top; the dark look's tile and
// sheen are the poster's sea.
inline QColor dockTileLight() { return rgb(0xD9E4F2); }
inline QColor dockSheenLight() { return rgb(0xF4F8FD); }

// The ground of the bar that floats over the process table while processes are selected.
inline AdaptiveColor selectionBarGround() { return adaptive(0xFFFFFF, 0x16191D); }

}  // namespace qel::Palette
