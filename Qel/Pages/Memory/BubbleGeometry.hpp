#pragma once
// How a bubble of the memory field is drawn, as plain geometry: its hatching and its label.
//
// Where the label goes: on a large bubble the name 7 above its centre
// and the size 8 below; otherwise the name alone, centred. A line shows only where it fits inside
// the circle with a small inset, never across its edge. A name is shown whole or not at all: where
// it can't fit, the bubble says how much memory it holds instead, and a bubble too small even for
// that goes without a label.
#include <QLineF>

#include <vector>

namespace qel {

// The hatching of a bubble of radius `r` around (0, 0): diagonals rising to the right, 6 apart
// along the horizontal, each cut to the circle shrunk by `inset` (half the stroke's width, so
// that no stroke crosses the edge). Replaces `out`'s contents.
void bubbleHatch(double r, double inset, std::vector<QLineF>& out);

struct BubbleLine {
  double width = 0, height = 0;
};

struct BubbleLabelPlan {
  bool name = false;  // the name shows, whole
  bool size = false;  // the size shows, whole: below the name, or alone in its place
  double nameY = 0, sizeY = 0;  // the lines' centres below the bubble's centre
};

inline constexpr double kBubbleLabelInset = 4;  // between a line's end and the bubble's edge
inline constexpr double kBubbleTwoLines = 34;    // the least radius for the name and the size

// The width across a bubble of radius `r` for a line `height` tall centred `y` below its centre:
// the chord at the line's edge farther from the centre, less the inset at both ends; 0 where none.
double bubbleLineRoom(double r, double y, double height);

// `name` is the name as it would be drawn, `size` the figure of the memory it holds.
BubbleLabelPlan planBubbleLabel(double r, BubbleLine name, BubbleLine size);

}  // namespace qel
