#pragma once
// The program's named colours, the light or dark decision and the appearance setting. Every
// colour a view draws comes from here.
#include <QColor>
#include <QPalette>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "Qel/Kit/AdaptiveColor.hpp"
#include "Qel/Kit/AppearanceNotifier.hpp"
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

// Black at `opacity` while the interface is light, white at it while dark: the faint washes,
// tracks and rims laid over a ground. Fixed when called.
inline QColor wash(double opacity) { return withAlpha(light() ? black() : white(), opacity); }

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

}  // namespace qel::Palette

namespace qel {

// The colour of a status level, for its words.
AdaptiveColor color(Level level);

}  // namespace qel
