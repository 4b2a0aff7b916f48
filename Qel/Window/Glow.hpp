#pragma once
// The soft coloured light behind the main window's pages: a circle of the page's accent fading
// to nothing at its edge, placed by page and brighter as the CPU gets busier.
#include <QColor>
#include <QPointF>
#include <QSizeF>

#include "Qel/Store/Enums.hpp"

class QPainter;

namespace qel {

struct Glow {
  static constexpr double kRadius = 330;

  QPointF centre;
  QColor color;
  double opacity = 0;
};

// The CPU load as the glow uses it: clamped to 0…1, a value that is not a number is 0.
double glowLoad(double cpuTotal);
// From 0.14 to 0.34 on a light interface, from 0.06 to 0.32 on a dark one.
double glowOpacity(double load, bool light);
// The centre's distance from the left edge in a window `width` wide.
double glowX(Page page, double width);
// The glow of `page` at CPU load `cpuTotal`, always halfway down the window.
Glow glowFor(Page page, double cpuTotal, bool light, QSizeF size);

void paintGlow(QPainter& painter, const Glow& glow);

}  // namespace qel
