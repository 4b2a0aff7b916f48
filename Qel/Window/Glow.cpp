#include "Qel/Window/Glow.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "Qel/Window/PageMeta.hpp"

namespace qel {

namespace {

// An 8 by 8 ordered-dither pattern: spreads each rounding over neighbouring pixels.
constexpr int kBayer[8][8] = {
    {0, 32, 8, 40, 2, 34, 10, 42},  {48, 16, 56, 24, 50, 18, 58, 26}, {12, 44, 4, 36, 14, 46, 6, 38},
    {60, 28, 52, 20, 62, 30, 54, 22}, {3, 35, 11, 43, 1, 33, 9, 41},  {51, 19, 59, 27, 49, 17, 57, 25},
    {15, 47, 7, 39, 13, 45, 5, 37},  {63, 31, 55, 23, 61, 29, 53, 21},
};

}  // namespace

double glowLoad(double cpuTotal) { return std::isfinite(cpuTotal) ? std::clamp(cpuTotal, 0.0, 1.0) : 0.0; }

double glowOpacity(double load, bool light) {
  const double t = glowLoad(load);
  return light ? 0.14 + 0.2 * t : 0.06 + 0.26 * t;
}

double glowX(Page page, double width) {
  switch (page) {
    case Page::cpu: return width - 300;
    case Page::net: return 0.32 * width;
    case Page::energy: return 0.5 * width;
    case Page::overview:
    case Page::gpu:
    case Page::mem:
    case Page::disk: return 300;
  }
  return 300;
}

Glow glowFor(Page page, double cpuTotal, bool light, QSizeF size) {
  return {QPointF(glowX(page, size.width()), size.height() / 2), accent(page), glowOpacity(cpuTotal, light)};
}

GlowLook glowLook(const Glow& glow, const QColor& background, double dpr) {
  GlowLook look;
  look.dpr = std::isfinite(dpr) && dpr > 0 ? dpr : 1;
  look.side = int(std::ceil(2 * Glow::kRadius * look.dpr));
  const double x = glow.centre.x() * look.dpr - look.side / 2.0, y = glow.centre.y() * look.dpr - look.side / 2.0;
  look.topLeft = QPoint(std::isfinite(x) ? int(std::lround(std::clamp(x, -1e6, 1e6))) : 0,
                        std::isfinite(y) ? int(std::lround(std::clamp(y, -1e6, 1e6))) : 0);
  look.color = glow.color.rgb();
  look.background = background.rgb();
  look.levels = std::max({std::abs(qRed(look.color) - qRed(look.background)),
                          std::abs(qGreen(look.color) - qGreen(look.background)),
                          std::abs(qBlue(look.color) - qBlue(look.background))});
  const double opacity = std::isfinite(glow.opacity) ? std::clamp(glow.opacity, 0.0, 1.0) : 0.0;
  look.level = int(std::lround(opacity * look.levels));
  return look;
}

QRect glowRect(const GlowLook& look) {
  const QPointF topLeft = QPointF(look.topLeft) / look.dpr;
  const double side = look.side / look.dpr;
  return QRectF(topLeft, QSizeF(side, side)).toAlignedRect();
}

QImage renderGlow(const GlowLook& look) {
  QImage image(look.side, look.side, QImage::Format_RGB32);
  image.setDevicePixelRatio(look.dpr);
  const double strength = look.levels > 0 ? double(look.level) / look.levels : 0;
  const double bg[3] = {double(qRed(look.background)), double(qGreen(look.background)), double(qBlue(look.background))};
  const double span[3] = {(qRed(look.color) - bg[0]) * strength, (qGreen(look.color) - bg[1]) * strength,
                          (qBlue(look.color) - bg[2]) * strength};
  const double half = look.side / 2.0, radius = Glow::kRadius * look.dpr;
  for (int j = 0; j < look.side; ++j) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(j));
    const double dy = j + 0.5 - half;
    for (int i = 0; i < look.side; ++i) {
      const double dx = i + 0.5 - half;
      // The gradient's alpha falls in a straight line from the centre to the rim.
      const double fade = std::max(0.0, 1 - std::sqrt(dx * dx + dy * dy) / radius);
      if (fade == 0) {
        line[i] = look.background;
        continue;
      }
      const double dither = (kBayer[j & 7][i & 7] + 0.5) / 64 - 0.5;
      int c[3];
      for (int k = 0; k < 3; ++k) c[k] = std::clamp(int(std::floor(bg[k] + span[k] * fade + dither + 0.5)), 0, 255);
      line[i] = qRgb(c[0], c[1], c[2]);
    }
  }
  return image;
}

}  // namespace qel
