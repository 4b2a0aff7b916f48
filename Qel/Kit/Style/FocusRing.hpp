#pragma once
// The ring drawn around a control that holds the keyboard focus, the same on every control, and
// when it shows: only while the user moves through the controls with the keyboard. A click, or a
// window coming to the front, hides it until the next Tab or arrow key; the focus itself stays
// where it is.
#include <QColor>
#include <QRectF>

class QPainter;
class QWidget;

namespace qel {

// Strokes the focus ring just inside `box`, its corners rounded by `radius`.
void paintFocusRing(QPainter& painter, const QRectF& box, double radius);
// The ring on a control filled with `fill` (a capsule, the current tab): drawn a little further
// in, so the fill is all it borders, in a shade that stands out from it as a graphic must.
void paintFocusRing(QPainter& painter, const QRectF& box, double radius, const QColor& fill);
// The ring's colour on `fill`: well over 3 to 1 against it.
QColor focusRingColor(const QColor& fill);

// Whether `widget` shows its focus ring now: it holds the focus, and the keyboard moved it last.
bool focusRingShown(const QWidget* widget);

// Whether the last thing the user did to move around was a navigation key rather than a click.
bool keyboardNavigating();

}  // namespace qel
