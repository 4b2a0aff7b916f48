#include "Qel/Kit/Style/Legible.hpp"

#include <algorithm>
#include <cmath>

#include "Qel/Kit/Style/Palette.hpp"

namespace qel::Legible {

namespace {

double linear(double channel) {
  return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& c) {
  const QColor rgb = c.toRgb();
  return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

QColor mix(const QColor& from, const QColor& to, double share) {
  const QColor a = from.toRgb(), b = to.toRgb();
  const auto channel = [share](double x, double y) { return x + (y - x) * share; };
  return QColor::fromRgbF(float(channel(a.redF(), b.redF())), float(channel(a.greenF(), b.greenF())),
                          float(channel(a.blueF(), b.blueF())), a.alphaF());
}

}  // namespace

double contrast(const QColor& a, const QColor& b) {
  const double x = luminance(a), y = luminance(b);
  return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

QColor on(const QColor& ink, const QColor& ground, double ratio) {
  if (!ink.isValid() || !ground.isValid() || contrast(ink, ground) >= ratio) return ink;
  const QColor target = luminance(ground) > 0.18 ? Palette::black() : Palette::white();
  // Contrast grows steadily along the mix, so halving finds the least change that is enough.
  double low = 0, high = 1;
  for (int i = 0; i < 16; ++i) {
    const double mid = (low + high) / 2;
    (contrast(mix(ink, target, mid), ground) >= ratio ? high : low) = mid;
  }
  return mix(ink, target, high);
}

QColor over(const QColor& ground, const QColor& top) {
  QColor out = mix(ground, QColor(top.red(), top.green(), top.blue()), top.alphaF());
  out.setAlphaF(1);
  return out;
}

QColor ground() { return Palette::overviewGround().resolve(); }

QColor text(const QColor& ink, const QColor& ground) { return on(ink, ground, 4.5); }

}  // namespace qel::Legible
