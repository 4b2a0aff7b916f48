#pragma once
// The soft coloured light behind the main window's pages: a circle of the page's accent fading
// to nothing at its edge, placed by page and brighter as the CPU gets busier.
//
// It is drawn from a square picture made once per look (colour, background, strength, place in
// whole device pixels) and dithered, so that the fade shows no rings even where a faint glow has
// only a handful of 8-bit levels to step through. Two glows of the same look draw the same pixels:
// a change that keeps the look is not worth a frame.
#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRect>
#include <QSizeF>

#include <cstdint>
#include <vector>

#include "Qel/Store/Enums.hpp"

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

struct GlowLook {
  QPoint topLeft;  // of the drawn square, in device pixels
  int side = 0;    // of the square, in device pixels
  double dpr = 1;
  QRgb color = 0;
  QRgb background = 0;
  int levels = 0;  // 8-bit steps from the background to the colour (the largest channel difference)
  int level = 0;   // the centre's strength, 0…levels

  bool operator==(const GlowLook&) const = default;
};

GlowLook glowLook(const Glow& glow, const QColor& background, double dpr);
// The square the glow covers, in the widget's points.
QRect glowRect(const GlowLook& look);
// The fade from the centre to the rim of one size of glow, worked out once: each look of that
// size is then painted with integer steps only, cheap enough to follow the breath level by level.
class GlowFade {
 public:
  // The glow over its background in its square; opaque, dithered. The fade is worked out again
  // for a look of another size.
  QImage render(const GlowLook& look);

 private:
  void fit(int side, double dpr);

  int side_ = 0;
  double dpr_ = 1;
  int quarter_ = 0;                   // the side of the quarter kept; the other three mirror it
  std::vector<std::uint16_t> fade_;  // 0 at the rim and beyond, 65535 at the centre
};


}  // namespace qel
