#pragma once
// Paints a day ring picture into a geometry: the tracks with future slots dimmed, then the
// day's overlays (sleeps, usual load, hour labels, events, stretches, marks) or the live
// mode's second labels, then the hand.
#include "Qel/Window/Overview/DayRingGeometry.hpp"
#include "Qel/Window/Overview/DayRingPicture.hpp"

class QPainter;

namespace qel {

void paintDayRing(QPainter& painter, const DayRingGeometry& geometry, const DayRingPicture& picture, bool light);

}  // namespace qel
