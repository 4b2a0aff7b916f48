#pragma once
// The ring drawn around a control that holds the keyboard focus, the same on every control, and
// when it shows: only while the user moves through the controls with the keyboard. A click, or a
// window coming to the front, hides it until the next Tab or arrow key; the focus itself stays
// where it is.
#include <QRectF>

class QPainter;
class QWidget;

namespace qel {

// Strokes the focus ring just inside `box`, its corners rounded by `radius`.
void paintFocusRing(QPainter& painter, const QRectF& box, double radius);

// Whether `widget` shows its focus ring now: it holds the focus, and the keyboard moved it last.
bool focusRingShown(const QWidget* widget);

// Whether the last thing the user did to move around was a navigation key rather than a click.
bool keyboardNavigating();

}  // namespace qel
