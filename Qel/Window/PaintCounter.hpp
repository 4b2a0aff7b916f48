#pragma once
// For measuring the window from outside (bench/ui-cost): when QEL_PAINT_COUNT_FILE names a file,
// every paint of the root view is counted there as one line "<paints> <page>"; otherwise this
// does nothing beyond one check of the environment.
#include "Qel/Store/Enums.hpp"

namespace qel::PaintCounter {

// One more paint, with the page the window shows.
void count(Page shown);

}  // namespace qel::PaintCounter
