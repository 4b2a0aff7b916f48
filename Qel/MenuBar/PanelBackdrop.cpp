#include "Qel/MenuBar/PanelBackdrop.hpp"

#include <algorithm>
#include <cmath>

#include "Qel/Kit/Art/Dither.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/MenuBar/PanelPlacement.hpp"

namespace qel {

namespace {

struct Rgb {
  double r, g, b;
};

Rgb channels(const QColor& c) { return {double(c.red()), double(c.green()), double(c.blue())}; }

// How much of device pixel (x, y) lies inside the rounded card `w` by `h` with corners `radius`.
double coverage(int x, int y, int w, int h, double radius) {
  const double px = x + 0.5, py = y + 0.5;
  const double cx = px < radius ? radius : px > w - radius ? w - radius : px;
  const double cy = py < radius ? radius : py > h - radius ? h - radius : py;
  if (cx == px || cy == py) return 1;  // not in a corner's square
  return std::clamp(radius - std::hypot(px - cx, py - cy) + 0.5, 0.0, 1.0);
}

// Paints the device pixels of `area` of `image`, which holds the whole card.
void paint(QImage& image, const PanelBackdropLook& look, QRect area) {
  area &= image.rect();
  const int w = image.width(), h = image.height();
  const double dpr = look.dpr > 0 && std::isfinite(look.dpr) ? look.dpr : 1;
  const Rgb top = channels(panelBackdropTop(look.light)), bottom = channels(panelBackdropBottom(look.light));
  const Rgb tint = channels(QColor::fromRgb(look.tint));
  const double opacity = panelGlowOpacity(look.light), radius = kPanelGlowRadius * dpr;
  const double corner = kPanelCornerRadius * dpr;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    const double t = h > 0 ? (y + 0.5) / h : 0;
    const Rgb ground{top.r + (bottom.r - top.r) * t, top.g + (bottom.g - top.g) * t, top.b + (bottom.b - top.b) * t};
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = area.left(); x <= area.right(); ++x) {
      Rgb c = ground;
      if (const double d = std::hypot(x + 0.5, y + 0.5); d < radius) {
        const double a = opacity * (1 - d / radius);
        c = {c.r + (tint.r - c.r) * a, c.g + (tint.g - c.g) * a, c.b + (tint.b - c.b) * a};
      }
      const double cover = coverage(x, y, w, h, corner);
      const double bias = (bayer(x, y) + 0.5) / 64;
      const auto level = [&](double v) { return std::clamp(int(v * cover + bias), 0, 255); };
      line[x] = qRgba(level(c.r), level(c.g), level(c.b), level(255));
    }
  }
}

}  // namespace

QColor panelBackdropTop(bool light) { return light ? Palette::panelBackdropTop().forLight() : Palette::panelBackdropTop().forDark(); }
QColor panelBackdropBottom(bool light) { return light ? Palette::panelBackdropBottom().forLight() : Palette::panelBackdropBottom().forDark(); }

QColor panelGlowTint(Level level) {
  switch (level) {
    case Level::calm: return Palette::panelGlowCalm();
    case Level::notable: return Palette::panelGlowNotable();
    case Level::high: return Palette::panelGlowHigh();
  }
  return Palette::panelGlowCalm();
}

double panelGlowOpacity(bool light) { return light ? 0.14 : 0.26; }

QColor panelBackdropAt(const PanelBackdropLook& look, QPointF at) {
  const double h = look.size.height();
  const double t = h > 0 ? std::clamp(at.y() / h, 0.0, 1.0) : 0;
  const QColor top = panelBackdropTop(look.light), bottom = panelBackdropBottom(look.light);
  const auto mix = [](double a, double b, double s) { return a + (b - a) * s; };
  double r = mix(top.red(), bottom.red(), t), g = mix(top.green(), bottom.green(), t),
         b = mix(top.blue(), bottom.blue(), t);
  if (const double d = std::hypot(at.x(), at.y()); d < kPanelGlowRadius) {
    const double a = panelGlowOpacity(look.light) * (1 - d / kPanelGlowRadius);
    const QColor tint = QColor::fromRgb(look.tint);
    r = mix(r, tint.red(), a), g = mix(g, tint.green(), a), b = mix(b, tint.blue(), a);
  }
  return QColor(int(std::lround(r)), int(std::lround(g)), int(std::lround(b)));
}

QImage paintPanelBackdrop(const PanelBackdropLook& look) {
  const double dpr = look.dpr > 0 && std::isfinite(look.dpr) ? look.dpr : 1;
  const QSize pixels(int(std::ceil(std::max(0, look.size.width()) * dpr)),
                     int(std::ceil(std::max(0, look.size.height()) * dpr)));
  QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(dpr);
  paint(image, look, image.rect());
  return image;
}

void repaintPanelGlow(QImage& image, const PanelBackdropLook& look) {
  const int reach = int(std::ceil(kPanelGlowRadius * image.devicePixelRatio())) + 1;
  paint(image, look, QRect(0, 0, reach, reach));
}

}  // namespace qel
