#include "Qel/Kit/Art/DockIcon.hpp"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "Qel/Kit/Style/Palette.hpp"

namespace qel {
namespace {

const QRectF kHole(23, 19, 54, 54);

double clampLoad(double load) { return std::isfinite(load) ? std::clamp(load, 0.0, 1.0) : 0.0; }

// The wave from x 10 to 90 in half steps; `back` the one behind, lower and shifted.
QPolygonF wave(double surface, bool back) {
  QPolygonF points;
  for (int i = 0; i <= 160; ++i) {
    const double x = 10 + 0.5 * i;
    const double phase = 2 * std::numbers::pi * (x - 30) / 40;
    points << QPointF(x, back ? surface - 2.6 + 2.4 * std::sin(phase + 2.2) : surface + 3 * std::sin(phase));
  }
  return points;
}

QPainterPath water(const QPolygonF& surfaceLine) {
  QPainterPath path(QPointF(10, 100));
  for (const QPointF& p : surfaceLine) path.lineTo(p);
  path.lineTo(90, 100);
  path.closeSubpath();
  return path;
}

// The mark in its 100-unit space.
void drawMark(QPainter& p, double load, const DockPalette& palette) {
  const double surface = waterSurface(load);
  const QPolygonF front = wave(surface, false);
  p.save();
  QPainterPath hole;
  hole.addEllipse(kHole);
  p.setClipPath(hole);
  p.setPen(Qt::NoPen);
  p.setBrush(Palette::withAlpha(palette.accent, 0.32));
  p.drawPath(water(wave(surface, true)));
  QLinearGradient sea(0, surface - 3, 0, 74);
  sea.setColorAt(0, palette.water[0]);
  sea.setColorAt(1, palette.water[1]);
  p.setBrush(sea);
  p.drawPath(water(front));
  p.setPen(QPen(Palette::withAlpha(Palette::white(), 0.45), 0.7));
  p.setBrush(Qt::NoBrush);
  p.drawPolyline(front);
  p.restore();

  QPainterPath ring;
  ring.setFillRule(Qt::OddEvenFill);
  ring.addEllipse(QRectF(14, 14, 72, 72));
  ring.addEllipse(kHole);
  QLinearGradient band(0, 14, 0, 86);
  band.setColorAt(0, palette.ring[0]);
  band.setColorAt(0.55, palette.ring[1]);
  band.setColorAt(1, palette.ring[2]);
  p.setPen(Qt::NoPen);
  p.setBrush(band);
  p.drawPath(ring);
  p.setBrush(Palette::white());
  p.drawEllipse(QRectF(45.6, 12.2, 8.8, 8.8));
}

}  // namespace

std::optional<DockPicture> nextDockPicture(const DockPicture& shown, std::span<const double> cpuHist, bool dockLoad,
                                           bool force) {
  if (!dockLoad) {
    if (!force && shown.level < 0) return std::nullopt;
    return DockPicture{};
  }
  const auto recent = cpuHist.size() > 5 ? cpuHist.subspan(cpuHist.size() - 5) : cpuHist;
  double sum = 0;
  for (double v : recent) sum += std::isfinite(v) ? v : 0.0;
  const double mean = sum / double(std::max<std::size_t>(recent.size(), 1));
  const DockPicture next{.level = std::round(mean * 50) / 50, .warm = mean >= (shown.warm ? 0.6 : 0.7)};
  if (!force && next == shown) return std::nullopt;
  return next;
}

DockPalette dockPalette(bool warm, bool light) {
  using namespace Palette;
  if (warm)
    return {{markRingWarmTop(), markRingWarmMiddle(), markRingWarmBottom()},
            {markWaterWarmTop(), markWaterWarmBottom()},
            markBackWaveWarm()};
  if (light)
    return {{markRingLightTop(), markRingLightMiddle(), markRingLightBottom()},
            {markWaterLightTop(), markWaterLightBottom()},
            markBackWaveLight()};
  return {{markRingDarkTop(), markRingDarkMiddle(), markRingDarkBottom()},
          {markWaterDarkTop(), markWaterDarkBottom()},
          markBackWaveDark()};
}

double waterSurface(double load) { return load > 0 ? 63 - 29 * std::min(load, 1.0) : 63; }

QImage dockIconImage(double load, bool warm, bool light, int size) {
  QImage image(QSize(std::clamp(size, 1, 2048), std::clamp(size, 1, 2048)), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(image.width() / 1024.0, image.height() / 1024.0);
  const QColor tile = light ? Palette::dockTileLight() : Palette::posterSeaBottom();
  QPainterPath body;
  body.addRoundedRect(QRectF(100, 100, 824, 824), 185, 185);
  // A soft shadow under the tile, then the tile with its sheen and rim.
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 3; ++i) {
    QPainterPath shadow;
    shadow.addRoundedRect(QRectF(100, 105, 824, 824).adjusted(-2 * i, -2 * i, 2 * i, 2 * i), 185 + 2 * i, 185 + 2 * i);
    p.setBrush(Palette::shadow((light ? 0.18 : 0.35) / 3));
    p.drawPath(shadow);
  }
  p.setBrush(tile);
  p.drawPath(body);
  QLinearGradient sheen(0, 100, 0, 924);
  sheen.setColorAt(0, light ? Palette::dockSheenLight() : Palette::posterSeaTop());
  sheen.setColorAt(1, tile);
  p.setBrush(sheen);
  p.drawPath(body);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Palette::withAlpha(light ? Palette::posterSeaBottom() : Palette::white(), light ? 0.1 : 0.08), 3));
  p.drawRoundedRect(QRectF(102, 102, 820, 820), 183, 183);
  p.translate(512, 512);
  p.scale(6.2, 6.2);
  p.translate(-50, -50);
  drawMark(p, clampLoad(load), dockPalette(warm, light));
  return image;
}

QImage markImage(int size, bool light, double dpr) {
  const double ratio = std::isfinite(dpr) && dpr > 0 ? std::min(dpr, 8.0) : 1.0;
  const int side = std::clamp(size, 1, 1024);
  QImage image(QSize(side, side) * ratio, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(side / 72.0, side / 72.0);
  p.translate(-14, -14);
  drawMark(p, 0, dockPalette(false, light));
  return image;
}

}  // namespace qel
