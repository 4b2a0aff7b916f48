#pragma once
// The spacing scale: every gap, margin and padding a view sets is one of these steps, in logical
// pixels. Shape geometry (an icon's side, a chart's size) stays with its widget.

namespace qel::Space {

inline constexpr int hair = 1;        // one-pixel insets
inline constexpr int xxs = 2;         // a glyph to its text
inline constexpr int lines = 3;       // between the lines of one block of text
inline constexpr int xs = 4;
inline constexpr int s = 6;
inline constexpr int m = 8;           // the common gap
inline constexpr int ml = 10;
inline constexpr int l = 12;
inline constexpr int card = 14;       // a card's inner padding
inline constexpr int xl = 16;
inline constexpr int xxl = 18;
inline constexpr int section = 20;    // between a page's blocks
inline constexpr int sheet = 24;      // a sheet's margins
inline constexpr int sheetWide = 28;
inline constexpr int group = 32;
inline constexpr int groupWide = 36;
inline constexpr int page = 40;
inline constexpr int gutter = 44;     // the window's side margins
inline constexpr int column = 52;     // between a page's columns
inline constexpr int columnWide = 56;

// Kept as they are, off the scale: each moves a view by a pixel or two when folded into a step.
inline constexpr int badgeX = 5;           // a volume kind badge's side padding
inline constexpr int infoPadY = 7;         // the memory page's info rows
inline constexpr int rowPadY = 9;          // an info row, a sleep list line
inline constexpr int noteGap = 9;          // the what's-new list
inline constexpr int linePadY = 11;        // an export sheet line
inline constexpr int settingRowPadY = 13;  // a settings row
inline constexpr int heroGap = 22;         // the overview's and the CPU page's left column
inline constexpr int headerTop = 22;       // the settings sheet's header
inline constexpr int sheetHeaderTop = 26;  // a sheet's header
inline constexpr int noteColumnGap = 26;   // the what's-new sheet's column
inline constexpr int windowBottom = 30;    // below the window's pages

}  // namespace qel::Space

// Corner radii of cards and chips; a chart's radii stay in its geometry.
namespace qel::Radius {

inline constexpr double line = 1;     // the ends of a two-pixel line
inline constexpr double bar = 2;      // the ends of a thin bar or track, a swatch's corners
inline constexpr double tag = 5;      // a small tag or badge
inline constexpr double key = 6;      // a key cap, the tray's preview strip
inline constexpr double chip = 8;
inline constexpr double cardSmall = 10;
inline constexpr double card = 12;
inline constexpr double cell = 12;  // a tray panel cell
inline constexpr double poster = 14;  // the exported picture's preview
inline constexpr double cardLarge = 16;

}  // namespace qel::Radius
