#pragma once
// The symbols the interface draws, by their symbol names ("moon.fill", "xmark"), each mapped to
// a glyph of the bundled Material Icons font and drawn like text in any colour.
#include <QColor>
#include <QRectF>
#include <QString>

#include <optional>
#include <span>
#include <string_view>

class QPainter;

namespace qel::Glyphs {

struct Glyph {
  std::string_view name;
  char16_t codepoint;
};

// Every symbol name in use with its glyph.
std::span<const Glyph> all();

// The glyph of a symbol name; absent for a name not in the map.
std::optional<char16_t> codepoint(std::string_view name);
// The glyph as a one-character text in the icon font; empty for an unknown name.
QString text(std::string_view name);

// Draws the symbol centred in `box` at `pixelSize` in `color`; nothing for an unknown name.
void draw(QPainter& painter, const QRectF& box, std::string_view name, double pixelSize, const QColor& color);

}  // namespace qel::Glyphs
