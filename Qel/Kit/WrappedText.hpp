#pragma once
// Text made to fit a width: broken into lines at word boundaries (anywhere only when one word
// alone is wider than the width), or set a little smaller.
#include <QFont>
#include <QFontMetricsF>
#include <QString>

#include <functional>

namespace qel {

// Whether every word of `text` fits `width`.
bool wordsFit(const QFontMetricsF& metrics, const QString& text, double width);
// The flags to draw `text` wrapped in `width` with QPainter::drawText(rect, flags, text).
int wrapFlags(const QFontMetricsF& metrics, const QString& text, double width);
// The height `text` takes wrapped in `width`.
double wrappedHeight(const QFontMetricsF& metrics, const QString& text, double width);

// `text`, a line of parts joined by `separator` (" · "), with a line break after each separator
// where the next part would not fit `width` on the same line: its lines break between its parts
// only, never inside one (Chinese and Japanese, which may break between any two characters,
// would otherwise split a word such as 復帰). A part wider than `width` alone is left to
// wrapFlags() to break.
QString brokenBetweenParts(const QFontMetricsF& metrics, const QString& text, const QString& separator, double width);

// The text font of `pixelSize`, or the largest smaller one down to `least` of it, for which
// `fits` holds (the smallest when none does).
QFont shrunkToFit(double pixelSize, QFont::Weight weight, double least,
                  const std::function<bool(const QFontMetricsF&)>& fits);

}  // namespace qel
