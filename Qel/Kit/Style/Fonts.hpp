#pragma once
// The bundled fonts: DejaVu Sans for text and Material Icons for symbols, loaded from the
// program's resources so it looks the same on every desktop; Noto Sans CJK (installed) fills in
// the characters of Chinese, Japanese and Korean, and Symbola (installed) the symbols neither
// face has, such as the pause mark "⏸" of paused alerts. Sizes are logical pixels.
#include <QFont>
#include <QString>
#include <QStringList>

#include <string_view>

namespace qel::Fonts {

// Registers the bundled fonts (once) and makes the text font the application's default.
void load();

QString iconFamily();
// The installed face that draws the symbols the text and CJK faces lack. The tray's host draws
// the tray label with the desktop's fonts, which find it installed too.
QString symbolFamily();

// A size in logical pixels as a whole pixel size (fonts take whole pixels), at least 1.
int pixels(double size);

// The text font; DejaVu Sans has tabular digits, so numbers keep their width as they change.
// Characters it lacks (Chinese, Japanese, Korean) come from the installed Noto Sans CJK faces,
// ordered for the interface language in use at the first call, then from the symbols face.
QFont text(double pixelSize, QFont::Weight weight = QFont::Normal);

// The text font's condensed face (DejaVu Sans Condensed, bundled too), for a row of labels that
// must fit a narrow window; its sizes and weights are those of `text`.
QFont condensed(double pixelSize, QFont::Weight weight = QFont::Normal);

// The CJK faces in the order they are tried for an interface language: its own first, so a Han
// character shared by the languages takes that language's form.
QStringList cjkFallbacks(std::string_view language);
QFont icons(double pixelSize);

}  // namespace qel::Fonts
