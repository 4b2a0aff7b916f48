#pragma once
// Keeps an enabled control distinct from the window's ground: a pale accent or a pale capsule on
// a pale page reads as switched off, so words and capsules are pulled towards black on a light
// ground and towards white on a dark one until they stand out.
#include <QColor>

namespace qel::Legible {

// The contrast ratio of two colours by their relative luminance (alpha ignored): 1 to 21.
double contrast(const QColor& a, const QColor& b);

// `ink` mixed towards black (on a light `ground`) or white (on a dark one) just enough to reach
// `ratio` against `ground`; unchanged when it already does. Keeps ink's alpha.
QColor on(const QColor& ink, const QColor& ground, double ratio);

// `top` laid over the opaque `ground` by its alpha.
QColor over(const QColor& ground, const QColor& top);

// The window's ground in the appearance now drawn (the pages tint it only slightly).
QColor ground();

// Words of a control on `ground` (the window's by default): at least 4.5 to 1, as body text.
QColor text(const QColor& ink, const QColor& ground = Legible::ground());

}  // namespace qel::Legible
