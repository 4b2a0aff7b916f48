#pragma once
// The type scale: every text size a view sets is one of these steps, in logical pixels. Fonts take
// whole pixels (Fonts::pixels rounds), so the scale holds whole sizes only.

namespace qel::Type {

inline constexpr double tick = 10;
inline constexpr double caption = 11;
inline constexpr double footnote = 12;
inline constexpr double body = 13;
inline constexpr double callout = 14;
inline constexpr double headline = 15;
inline constexpr double title3 = 16;
inline constexpr double title2 = 17;
inline constexpr double title1 = 18;
inline constexpr double panelFigure = 19;  // the tray panel's big figures, off the scale
inline constexpr double largeTitle = 20;
inline constexpr double figure = 22;
inline constexpr double unit = 24;
inline constexpr double display = 24;  // the release notes' and the notices' titles
inline constexpr double status = 28;
inline constexpr double posterPeak = 50;
inline constexpr double hero = 76;      // a page's headline figure
inline constexpr double heroEnergy = 60;  // the energy page's, beside its ring
inline constexpr double heroNet = 52;     // the network page's, beside its star map
inline constexpr double heroStandIn = 44; // the headline of a page that has no view

// The day ring's centre words, scaled to the ring before they are rounded (hence a half size).
inline constexpr double ringDash = 44;
inline constexpr double ringNote = 12.5;

}  // namespace qel::Type
