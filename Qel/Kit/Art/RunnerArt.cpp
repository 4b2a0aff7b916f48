#include "Qel/Kit/Art/RunnerArt.hpp"

#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

#include "Qel/Kit/Art/RunnerFigures.hpp"

namespace qel {
namespace {

constexpr std::array kFive{0, 1, 2, 3, 4};
constexpr std::array kTen{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
constexpr std::array kSlime{0, 1, 2, 3, 4, 4, 3, 2, 1};
constexpr std::array kCradle{0, 1, 2, 1, 0, 3, 4, 3};
constexpr std::array kMochi{0, 1, 2, 3, 4, 3, 2, 1};

}  // namespace

double runnerWidth(MenuIconStyle style) {
  switch (style) {
    case MenuIconStyle::cat: return 28;
    case MenuIconStyle::dog: return 35;
    case MenuIconStyle::slime: return 30.5;
    case MenuIconStyle::drop: return 21.5;
    case MenuIconStyle::coffee: return 19;
    case MenuIconStyle::newtonCradle: return 41;
    case MenuIconStyle::engine: return 41.5;
    case MenuIconStyle::mochi: return 31;
    default: return 18;
  }
}

std::span<const int> runnerOrder(MenuIconStyle style) {
  switch (style) {
    case MenuIconStyle::cat:
    case MenuIconStyle::dog:
    case MenuIconStyle::drop: return kFive;
    case MenuIconStyle::slime: return kSlime;
    case MenuIconStyle::coffee:
    case MenuIconStyle::engine: return kTen;
    case MenuIconStyle::newtonCradle: return kCradle;
    case MenuIconStyle::mochi: return kMochi;
    default: return {};
  }
}

int runnerFrameCount(MenuIconStyle style) {
  const auto order = runnerOrder(style);
  return order.empty() ? 0 : *std::max_element(order.begin(), order.end()) + 1;
}

QImage runnerFrame(MenuIconStyle style, int frame, QColor ink, double dpr) {
  const double ratio = std::isfinite(dpr) && dpr > 0 ? std::min(dpr, 8.0) : 1.0;
  const QSizeF size(runnerWidth(style), 18);
  QImage image((size * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::transparent);
  if (frame < 0 || frame >= runnerFrameCount(style)) return image;
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  paintRunner(p, style, frame, ink);
  return image;
}

}  // namespace qel
