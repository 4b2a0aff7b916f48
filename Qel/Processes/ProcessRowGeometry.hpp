#pragma once
// Where the parts of a process row lie, for the painter and for the clicks alike: the select
// circle, the name, the CPU cell, memory, pid and the details button, left to right.
#include <QRectF>

#include <span>

namespace qel {

struct ProcessRowGeometry {
  static constexpr double kHeight = 40;  // 22-pixel icon padded 9 above and below
  QRectF select, name, cpu, mem, pid, details;
};

// The cells of a row `width` wide at the top `top`, padded 10 left and right; the name takes
// what the fixed cells leave (never less than nothing).
ProcessRowGeometry processRowGeometry(double width, double top = 0);

// The CPU figure is drawn in the warning colour from 30 % of one core, by the unrounded value.
inline bool cpuIsHigh(double cpu) { return cpu >= 30; }

enum class RowPart { none, select, name, details };
// The part of a row under the x position `x` (the name and the details button both open the
// process's details; every other cell does nothing).
RowPart rowPartAt(const ProcessRowGeometry& row, double x);

// The scroll position at which none of the rows whose tops are `rowTops` (in the list's content)
// hides under a band `covered` high at the bottom of a viewport `viewport` high: the lowest row
// that the band covers at `scroll` is lifted just above it, as far as `maxScroll` allows; rows
// out of sight or already clear leave `scroll` as it is.
int scrollClearingBand(std::span<const int> rowTops, int viewport, int covered, int scroll, int maxScroll);

}  // namespace qel
