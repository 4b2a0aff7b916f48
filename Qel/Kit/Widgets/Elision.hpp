#pragma once
// Where the design lets a text end in "…" when it doesn't fit (a process, app, device or
// processor name), the view says so here and shows the whole text as its tool tip. Every other
// text must fit: a figure is never cut, and a word never ends in "…" elsewhere.
#include <QtGlobal>

class QFontMetricsF;
class QString;
class QWidget;

namespace qel {

void letElide(QWidget* widget, bool elides = true);
bool elidesByDesign(const QWidget* widget);
// A view of many names drawn in one widget (the dots of a map) that elides them and shows each
// one's whole name as the tool tip of the place it is drawn.
void letElideWithTipsPerItem(QWidget* widget);
bool tipsPerItem(const QWidget* widget);

// `text` (a name) cut with "…" to `width`; while it is cut, it is `widget`'s whole tool tip.
QString elidedName(QWidget* widget, const QFontMetricsF& metrics, const QString& text, double width);

// `name` whole when it has at most `most` characters, else its first `keep` and "…". Characters
// are code points, so a name in any script is cut between letters, never inside one.
QString cutToCharacters(const QString& name, qsizetype most, qsizetype keep);
// The first `count` characters (code points) of `name`, or all of it when it has fewer.
QString firstCharacters(const QString& name, qsizetype count);

}  // namespace qel
