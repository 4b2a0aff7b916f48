#include "Qel/Window/ToastSpot.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

namespace qel {

namespace {

constexpr int kStep = 4;  // the places tried lie this far apart

bool clear(const QRect& place, const ToastRoom& room) {
  const QRect kept = place.adjusted(-room.clearance, -room.clearance, room.clearance, room.clearance);
  return std::none_of(room.keepClear.begin(), room.keepClear.end(), [&](const QRect& r) { return r.intersects(kept); });
}

long long wordsCovered(const QRect& place, const ToastRoom& room) {
  long long area = 0;
  for (const QRect& r : room.ratherClear) {
    const QRect both = r.intersected(place);
    if (!both.isEmpty()) area += (long long)both.width() * both.height();
  }
  return area;
}

// The first place on the grid through `through` at or after `from`.
int firstAfter(int from, int through) {
  const int steps = from > through ? (from - through + kStep - 1) / kStep : -((through - from) / kStep);
  return through + steps * kStep;
}

}  // namespace

QRect toastSpot(const ToastRoom& room) {
  const QRect usual = room.usual;
  if (usual.isEmpty()) return usual;
  if (clear(usual, room) && wordsCovered(usual, room) == 0) return usual;
  const int left = room.margin, top = room.margin;
  const int right = room.window.width() - room.margin - usual.width();
  const int bottom = room.window.height() - room.margin - usual.height();
  if (right < left || bottom < top) return usual;

  // Every place on a grid through the usual one: the clear one covering the fewest words wins,
  // the nearest of those.
  QRect best = usual;
  long long bestWords = std::numeric_limits<long long>::max();
  double bestDistance = std::numeric_limits<double>::infinity();
  for (int y = firstAfter(top, usual.top()); y <= bottom; y += kStep)
    for (int x = firstAfter(left, usual.left()); x <= right; x += kStep) {
      const double distance = std::hypot(x - usual.left(), y - usual.top());
      if (bestWords == 0 && distance >= bestDistance) continue;
      const QRect place(QPoint(x, y), usual.size());
      if (!clear(place, room)) continue;
      const long long words = wordsCovered(place, room);
      if (words < bestWords || (words == bestWords && distance < bestDistance)) {
        best = place;
        bestWords = words;
        bestDistance = distance;
      }
    }
  return best;
}

}  // namespace qel
