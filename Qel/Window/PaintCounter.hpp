#pragma once
// For measuring the window from outside (bench/ui-cost): when QEL_PAINT_COUNT_FILE names a file,
// every paint of the root view is counted there as one line "<paints> <page>", and the file of
// that name with ".tabs" added tells where each page's tab is, so the benchmark can click it;
// otherwise this does nothing beyond one check of the environment.
#include <QRect>

#include <utility>
#include <vector>

#include "Qel/Store/Enums.hpp"

namespace qel::PaintCounter {

// One more paint, with the page the window shows.
void count(Page shown);

// Whether the benchmark asked for the counts.
bool active();

// Where the tabs are, in their window's coordinates: one line "<page> <x> <y> <width> <height>"
// each, the file rewritten whole only when a place changed.
void placeTabs(const std::vector<std::pair<Page, QRect>>& tabs);

}  // namespace qel::PaintCounter
