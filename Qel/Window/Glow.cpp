#include "Qel/Window/Glow.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "Qel/Kit/Art/Dither.hpp"
#include "Qel/Kit/PageMeta.hpp"
#include "Qel/Kit/PageTable.hpp"

namespace qel {

double glowLoad(double cpuTotal) { return std::isfinite(cpuTotal) ? std::clamp(cpuTotal, 0.0, 1.0) : 0.0; }

double glowOpacity(double load, bool light) {
  const double t = glowLoad(load);
  return light ? 0.14 + 0.2 * t : 0.06 + 0.26 * t;
}

double glowX(Page page, double width) {
  const GlowAnchor& at = pageEntry(page).glow;
  return at.fraction * width + at.offset;
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

void GlowFade::fit(int side, double dpr) {
  side_ = std::max(side, 0);
  dpr_ = dpr;
  quarter_ = (side_ + 1) / 2;
  // The picture is symmetric about both middles: pixel i and side − 1 − i lie as far out.
  fade_.resize(std::size_t(quarter_) * std::size_t(quarter_));
  const double half = side_ / 2.0, radius = Glow::kRadius * dpr_;
  for (int j = 0; j < quarter_; ++j) {
    const double dy = j + 0.5 - half;
    for (int i = 0; i < quarter_; ++i) {
      const double dx = i + 0.5 - half;
      // The gradient's alpha falls in a straight line from the centre to the rim.
      const double fade = std::max(0.0, 1 - std::sqrt(dx * dx + dy * dy) / radius);
      fade_[std::size_t(j) * std::size_t(quarter_) + std::size_t(i)] = std::uint16_t(std::lround(fade * 65535));
    }
  }
}

QImage GlowFade::render(const GlowLook& look) {
  if (look.side != side_ || look.dpr != dpr_ || fade_.empty()) fit(look.side, look.dpr);
  QImage image(side_, side_, QImage::Format_RGB32);
  image.setDevicePixelRatio(dpr_);
  const double strength = look.levels > 0 ? double(look.level) / look.levels : 0;
  const int bg[3] = {qRed(look.background), qGreen(look.background), qBlue(look.background)};
  const int to[3] = {qRed(look.color), qGreen(look.color), qBlue(look.color)};
  // Each channel in 16.16 fixed point: the background, and the way to the colour per step of
  // the stored fade (a fade of 65535 goes all the way).
  std::int64_t base[3], span[3];
  for (int k = 0; k < 3; ++k) {
    base[k] = std::int64_t(bg[k]) << 16;
    span[k] = std::llround((to[k] - bg[k]) * strength * 65536.0 * 65536.0 / 65535.0);
  }
  for (int j = 0; j < side_; ++j) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(j));
    const std::uint16_t* fades = &fade_[std::size_t(j < quarter_ ? j : side_ - 1 - j) * std::size_t(quarter_)];
    for (int i = 0; i < side_; ++i) {
      const std::int64_t fade = fades[i < quarter_ ? i : side_ - 1 - i];
      if (fade == 0) {
        line[i] = look.background;
        continue;
      }
      // Half a level up, then a rounding spread over the 8 by 8 pattern.
      const std::int64_t dither = bayer(i, j) * 1024 + 512;
      int c[3];
      for (int k = 0; k < 3; ++k)
        c[k] = std::clamp(int((base[k] + ((span[k] * fade) >> 16) + dither) >> 16), 0, 255);
      line[i] = qRgb(c[0], c[1], c[2]);
    }
  }
  return image;
}

}  // namespace qel
