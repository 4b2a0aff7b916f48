#pragma once
// Where a toast rests in its window. It never lies on what it must keep clear of (the window's
// controls, the row of the one that raised it), and it would rather lie on no words: of the
// places clear of the first, it takes the one that covers the fewest words, the nearest its usual
// place of those, inside the window's margins. Where no place is clear it keeps its usual one.
#include <QRect>

#include <vector>

namespace qel {

struct ToastRoom {
  QSize window;                   // the window the toast stands in
  QRect usual;                    // its usual place
  std::vector<QRect> keepClear;   // what it must not lie on
  std::vector<QRect> ratherClear; // what it would rather not lie on (words)
  int margin = 0;                 // how near it may come to the window's edges
  int clearance = 0;              // how near it may come to what it keeps clear of
};

QRect toastSpot(const ToastRoom& room);

}  // namespace qel
