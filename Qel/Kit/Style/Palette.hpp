#pragma once
// The program's named colours, the light or dark decision and the appearance setting. Every
// colour a view draws comes from here.
#include <QColor>
#include <QPalette>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "Qel/Kit/Style/AdaptiveColor.hpp"
#include "Qel/Kit/Style/AppearanceNotifier.hpp"
#include "Qel/Store/Enums.hpp"

class QWidget;

namespace qel::Palette {

// A colour word 0xRRGGBB as an opaque sRGB colour.
inline QColor rgb(std::uint32_t word) { return QColor::fromRgb(QRgb(0xFF000000u | (word & 0xFFFFFFu))); }

inline QColor warn() { return rgb(0xF2B45A); }
inline QColor strain() { return rgb(0xFF7A59); }
inline QColor calm() { return rgb(0x7FD4B4); }
inline QColor batteryGreen() { return rgb(0x32D56B); }
inline QColor calmDeep() { return rgb(0x1F7A62); }
inline QColor cpu() { return rgb(0x6FDCBF); }
inline QColor mem() { return rgb(0xB8A1FF); }
inline QColor net() { return rgb(0x80B4FF); }
inline QColor disk() { return rgb(0xEFB96F); }
inline QColor gpu() { return rgb(0xFF9ECF); }
inline QColor energy() { return rgb(0xCDE36D); }
inline QColor ink() { return rgb(0x10161A); }
inline QColor posterSeaTop() { return rgb(0x1D3B72); }
inline QColor posterSeaBottom() { return rgb(0x0A1630); }
inline QColor posterInkTop() { return rgb(0x20272D); }
inline QColor posterInkBottom() { return rgb(0x14191D); }
inline QColor posterText() { return rgb(0xEEF0EE); }

// `colour` at `opacity` (0 to 1).
inline QColor withAlpha(QColor colour, double opacity) {
  colour.setAlphaF(float(opacity));
  return colour;
}
inline QColor black() { return rgb(0x000000); }
inline QColor white() { return rgb(0xFFFFFF); }
// The pale ground that the ink reads on: capsule buttons, toasts, the panel's open button.
inline QColor paper() { return rgb(0xF5F4F0); }
// The knob of a switch or a slider, in both looks.
inline QColor knob() { return white(); }
// A drop shadow at `opacity`, in both looks.
inline QColor shadow(double opacity) { return withAlpha(black(), opacity); }

// The appearance setting: "system" (the start value), "light" or "dark". Assigning applies it
// to the application at once and posts qelAppearanceChanged; a value other than the three
// draws dark.
const std::string& appearance();
void setAppearance(std::string value);

// True while the interface is drawn light: "light" yes, "dark" no, "system" as the desktop
// prefers, anything else no.
bool light();

// Whether the desktop itself is light, whatever Qel's own setting: the ground the tray and the
// desktop's own panels show Qel's icon on.
bool desktopLight();

// Reads the desktop's preference again and, while following it, applies it; posts
// qelAppearanceChanged. For the watch on the desktop's colour scheme.
void refreshSystemAppearance();

// Where qelAppearanceChanged is posted.
AppearanceNotifier* notifier();
// Repaints `widget` whenever qelAppearanceChanged is posted.
void followAppearance(QWidget* widget);

// Black at `opacity` on a light look, white at it on a dark one: the faint washes, tracks and
// rims laid over a ground. washIn takes the look (for images drawn away from the interface
// thread); wash the look drawn now, fixed when called.
inline QColor washIn(bool light, double opacity) { return withAlpha(light ? black() : white(), opacity); }
inline QColor wash(double opacity) { return washIn(light(), opacity); }

// The first colour word in the light interface, the second in the dark one; resolved when drawn.
AdaptiveColor adaptive(std::uint32_t light, std::uint32_t dark);
// Black at opacity `white` on a light ground, white at opacity `black` on a dark one.
AdaptiveColor adaptiveOpacity(double white, double black);
// Fixed when called: `light` while the interface is light, else `dark` (dark first).
QColor themed(std::uint32_t dark, std::uint32_t light);

// Colours of words. Each reads at 4.5 : 1 or more over every ground it lies on (a page's
// background, bare or under a card's wash) in both looks. The coloured ones keep the hue of the
// named colour and take a deeper shade of it on the light ground, where the named one is too pale
// to read. Shapes keep the named colours.
// The three greys: primary ink, secondary text and tertiary notes.
inline AdaptiveColor primaryText() { return adaptive(0x1B2422, 0xEEF0EE); }
inline AdaptiveColor secondaryText() { return adaptive(0x4F5956, 0xA7AEAC); }
inline AdaptiveColor tertiaryText() { return adaptive(0x56605D, 0x9CA1A0); }
inline AdaptiveColor warnText() { return adaptive(0x85521A, 0xF2B45A); }
inline AdaptiveColor strainText() { return adaptive(0xA43B26, 0xFF7A59); }
inline AdaptiveColor calmText() { return adaptive(0x376755, 0x7FD4B4); }

// Each page's look: its ground, its accent (the named colours above, the overview's own) and the
// accent as words take it, deeper on a light ground.
inline QColor overview() { return rgb(0x9FD3C7); }
inline AdaptiveColor overviewGround() { return adaptive(0xF3F5F4, 0x1B2126); }
inline AdaptiveColor overviewText() { return adaptive(0x40655C, 0x9FD3C7); }
inline AdaptiveColor cpuGround() { return adaptive(0xEAF3F0, 0x11251F); }
inline AdaptiveColor cpuText() { return adaptive(0x226958, 0x6FDCBF); }
inline AdaptiveColor gpuGround() { return adaptive(0xF8F0F4, 0x2A1A26); }
inline AdaptiveColor gpuText() { return adaptive(0xA12D6B, 0xFF9ECF); }
inline AdaptiveColor memGround() { return adaptive(0xF3F0F8, 0x211C33); }
inline AdaptiveColor memText() { return adaptive(0x674FA4, 0xB8A1FF); }
inline AdaptiveColor diskGround() { return adaptive(0xF7F3EE, 0x29221A); }
inline AdaptiveColor diskText() { return adaptive(0x78582A, 0xEFB96F); }
inline AdaptiveColor netGround() { return adaptive(0xEEF2F8, 0x142037); }
inline AdaptiveColor netText() { return adaptive(0x325F99, 0x80B4FF); }
inline AdaptiveColor energyGround() { return adaptive(0xF3F6EC, 0x21271A); }
inline AdaptiveColor energyText() { return adaptive(0x4D6616, 0xCDE36D); }

// The tray panel's tints. Words in them read at 4.5 : 1 or more on the panel's backdrop and on a
// cell's shade over it, in both looks: a little deeper than the pages' accents as words.
inline AdaptiveColor cpuPanelTint() { return adaptive(0x216656, 0x6FDCBF); }
inline AdaptiveColor memPanelTint() { return adaptive(0x654DA0, 0xB8A1FF); }
inline AdaptiveColor netPanelTint() { return adaptive(0x315C95, 0x80B4FF); }
inline AdaptiveColor energyPanelTint() { return adaptive(0x4B6315, 0xCDE36D); }
inline AdaptiveColor panelWarm() { return adaptive(0x82501A, 0xF2B45A); }
inline AdaptiveColor panelHot() { return adaptive(0xA03925, 0xFF8262); }
inline AdaptiveColor panelGrey() { return adaptive(0x4C5B55, 0xA7AEAC); }
inline AdaptiveColor panelMuted() { return adaptive(0x545D5B, 0xA2A7A6); }
// The panel's backdrop gradient, top and bottom, and the glow behind it for each status level.
inline AdaptiveColor panelBackdropTop() { return adaptive(0xF4F6F5, 0x202427); }
inline AdaptiveColor panelBackdropBottom() { return adaptive(0xE9EDEB, 0x1B1D21); }
inline QColor panelGlowCalm() { return rgb(0x2C5A52); }
inline QColor panelGlowNotable() { return rgb(0x6B4E1F); }
inline QColor panelGlowHigh() { return rgb(0x7A3324); }

// Whether the desktop prefers a light look: the portal's colour-scheme 1 is dark, 2 light;
// with no preference, the lightness of the desktop palette's window colour decides.
bool desktopPrefersLight(std::optional<std::uint32_t> portalScheme, const QColor& desktopWindow);

// The application palette of the light or the dark interface.
QPalette qtPalette(bool light);

// Selected text in `field` takes the program's accent, in the look drawn now and after every
// change of it, whatever the desktop's own selection colour is.
void useAccentSelection(QWidget* field);

// Replaces the reader of the portal's colour scheme (tests give a fixed answer).
void setDesktopSchemeReader(std::function<std::optional<std::uint32_t>()> reader);

// A mark that stands out on a chart: the "now" line, the pressure marker. Ink in the light look, white in the dark.
inline QColor marker() { return light() ? ink() : white(); }

// The memory field's bubbles by kind, the compressed one's hatching and the words on an app's bubble.
inline QColor bubbleSystem() { return rgb(0x6C5FA0); }
inline QColor bubbleCompressed() { return rgb(0x3D3656); }
inline QColor bubbleWired() { return rgb(0x4B4470); }
inline QColor bubbleHatch() { return rgb(0x8A7BC4); }
inline QColor bubbleUserText() { return rgb(0x16121F); }
// The memory breakdown's kernel-and-locked and compressed shares.
inline QColor memWired() { return rgb(0x8F7DD0); }
inline QColor memCompressed() { return rgb(0x62588F); }

// Purgeable space on the disk platter.
inline QColor diskPurgeable() { return rgb(0x8A6C45); }
// A GPU hive cell at its hottest.
inline QColor gpuHot() { return rgb(0xFFE0EF); }
// This computer, the dot at the star map's centre.
inline QColor starCentre() { return rgb(0xE9F1FF); }

// The energy ring's second to fifth process layers; the first takes energy().
inline QColor energyLayer2() { return rgb(0x93C95C); }
inline QColor energyLayer3() { return rgb(0xE9C45F); }
inline QColor energyLayer4() { return rgb(0x62B48C); }
inline QColor energyLayer5() { return rgb(0xD8935A); }

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

// The tray panel's pills (its open button, its toast): ink on the light look, paper on the dark.
inline QColor panelPillGround() { return light() ? ink() : paper(); }
// Their words, the other way round.
inline QColor panelPillText() { return light() ? paper() : ink(); }
// The glyph on a switched-on panel toggle's accent disc.
inline QColor panelToggleGlyphOn() { return light() ? white() : ink(); }
// The ground of the tab bar's value bubble: the regular material, opaque enough to read.
inline QColor valueBubbleGround() { return themed(0x262C31, 0xFBFCFB); }

// The sleep report's battery line: the energy accent, deeper on a light ground. Fixed when called.
inline QColor sleepChargeLine() { return light() ? rgb(0x5B781A) : energy(); }

}  // namespace qel::Palette

namespace qel {

// The colour of a status level, for its words.
AdaptiveColor color(Level level);

}  // namespace qel
