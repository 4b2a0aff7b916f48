#pragma once
// The bundled fonts: DejaVu Sans for text and Material Icons for symbols, loaded from the
// program's resources so it looks the same on every desktop. Sizes are logical pixels.
#include <QFont>
#include <QString>

namespace qel::Fonts {

// Registers the bundled fonts (once) and makes the text font the application's default.
void load();

QString textFamily();
QString iconFamily();

// A size in logical pixels as a whole pixel size (fonts take whole pixels), at least 1.
int pixels(double size);

// The text font; DejaVu Sans has tabular digits, so numbers keep their width as they change.
QFont text(double pixelSize, QFont::Weight weight = QFont::Normal);
QFont icons(double pixelSize);

}  // namespace qel::Fonts
