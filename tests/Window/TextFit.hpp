#pragma once
// Finds every visible text a view cuts: each widget is painted alone onto a recorder, and each
// text it writes must lie inside what its painter's clip, its own rectangle and every parent up
// to the window leave of it (a scroll area's viewport cuts nothing it scrolls to). A text that
// ends in "…" where it was cut passes only in a view whose design lets a name elide, with the whole
// name in its tool tip (elsewhere it is a word or a figure cut short); two texts may not run into
// each other, a button may not be squeezed below the size it asks for, nor a rolling figure be
// narrower than its text, and a scroll bar that can show may not lie on a text.
#include <QWidget>

#include <string>
#include <vector>

namespace qel::test {

// Whether a scroll area's viewport cuts what it could scroll to (inReach: it cuts nothing), or
// cuts as it stands (asItStands: a text its edge crosses is cut, one wholly out of it unseen,
// unless it is a button that no scroll area but one holds: then it is out of reach), for a view
// that opens where it rests and must show whole lines and its controls there.
enum class Scrolled { inReach, asItStands };

// One line per cut, naming the widget, the text and how it is cut.
std::vector<std::string> cutTexts(const QWidget& window, Scrolled scrolled = Scrolled::inReach);

// The lines of `cuts`, one per line, for a test's message.
std::string listed(const std::vector<std::string>& cuts);

}  // namespace qel::test
