#pragma once
// How a bubble of the memory field is drawn, as plain geometry: its hatching and its label.
//
// What a bubble says goes by its radius: a large one its name 7 above its centre and its size 8
// below, a middling one the first character of its name, a small one nothing.
#include <QLineF>
#include <QString>

#include <vector>

namespace qel {

// The hatching of a bubble of radius `r` around (0, 0): diagonals rising to the right, 6 apart
// along the horizontal, each cut to the circle shrunk by `inset` (half the stroke's width, so
// that no stroke crosses the edge). Replaces `out`'s contents.
void bubbleHatch(double r, double inset, std::vector<QLineF>& out);

enum class BubbleLabelBand { none, initial, nameAndSize };

struct BubbleLabel {
  BubbleLabelBand band = BubbleLabelBand::none;
  QString name;                 // the name line: the name as cut, or its first character
  double nameY = 0, sizeY = 0;  // the lines' centres below the bubble's centre
};

inline constexpr double kBubbleLabelInset = 4;  // between a line's end and the bubble's edge
inline constexpr double kBubbleTwoLines = 34;    // above this radius: the name over the size
inline constexpr double kBubbleInitial = 16;     // above this radius: the name's first character

// The width across a bubble of radius `r` for a line `height` tall centred `y` below its centre:
// the chord at the line's edge farther from the centre, less the inset at both ends; 0 where none.
double bubbleLineRoom(double r, double y, double height);

// The label of a bubble of radius `r` named `name`. Above kBubbleTwoLines the name keeps up to
// eleven characters whole and is cut to ten and "…" beyond; an empty name gives an empty line.
BubbleLabel bubbleLabel(double r, const QString& name);

}  // namespace qel
