#include "Qel/Kit/Art/MenuIcons.hpp"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "Qel/Kit/Art/MenuIconGeometry.hpp"
#include "Qel/Kit/Art/RunnerArt.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {
namespace {

QImage canvas(QSizeF size, double dpr) {
  const double ratio = std::isfinite(dpr) && dpr > 0 ? std::min(dpr, 8.0) : 1.0;
  QImage image((size * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::transparent);
  return image;
}

QPen roundPen(QColor ink, double width) { return QPen(ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

void paintRing(QPainter& p, const MenuIconInputs& in, QColor ink) {
  p.setPen(roundPen(ink, 1.3));
  for (const QLineF& spoke : ringSpokes(in.cpuHist)) p.drawLine(spoke);
}

void paintBars(QPainter& p, const MenuIconInputs& in, QColor ink) {
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  for (const QRectF& bar : barRects(in.cpuHist)) p.drawRoundedRect(bar, 0.7, 0.7);
}

void paintWave(QPainter& p, const MenuIconInputs& in, QColor ink) {
  const auto points = wavePoints(in.cpuHist);
  if (points.size() < 2) return;
  p.setPen(roundPen(ink, 1.5));
  p.drawPolyline(points.data(), int(points.size()));
}

void paintGauge(QPainter& p, const MenuIconInputs& in, QColor ink) {
  const Gauge g = gaugeShape(in.cpu);
  const QRectF box(g.centre.x() - g.radius, g.centre.y() - g.radius, 2 * g.radius, 2 * g.radius);
  auto arc = [&](double sweep) {
    QPainterPath path;
    path.arcMoveTo(box, g.startDegrees);
    path.arcTo(box, g.startDegrees, sweep);
    return path;
  };
  QColor track = ink;
  track.setAlphaF(ink.alphaF() * 0.3f);
  p.strokePath(arc(g.trackSweep), roundPen(track, 2.2));
  p.strokePath(arc(g.valueSweep), roundPen(ink, 2.2));
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  p.drawEllipse(g.hub);
}

void paintDot(QPainter& p, const MenuIconInputs& in, QColor ink) {
  const Dot d = dotShape(in.cpu);
  QColor ring = ink;
  ring.setAlphaF(ink.alphaF() * 0.35f);
  p.setPen(QPen(ring, 1.2));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(d.centre, d.ringDiameter / 2, d.ringDiameter / 2);
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  p.drawEllipse(d.centre, d.discRadius, d.discRadius);
}

}  // namespace

bool isRunner(MenuIconStyle style) { return style >= MenuIconStyle::cat; }

std::string menuIconTitle(MenuIconStyle style) {
  switch (style) {
    case MenuIconStyle::auto_: return L("Automatic");
    case MenuIconStyle::logo: return L("Logo");
    case MenuIconStyle::ring: return L("Load ring");
    case MenuIconStyle::bars: return L("Bars");
    case MenuIconStyle::gauge: return L("Gauge");
    case MenuIconStyle::wave: return L("Line");
    case MenuIconStyle::dot: return L("Dot");
    case MenuIconStyle::cat: return L("Cat");
    case MenuIconStyle::dog: return L("Dog");
    case MenuIconStyle::slime: return L("Slime");
    case MenuIconStyle::drop: return L("Drop");
    case MenuIconStyle::coffee: return L("Coffee");
    case MenuIconStyle::newtonCradle: return L("Newton's cradle");
    case MenuIconStyle::engine: return L("Engine");
    case MenuIconStyle::mochi: return L("Mochi");
  }
  return {};
}

std::string menuIconDetail(MenuIconStyle style) {
  switch (style) {
    case MenuIconStyle::auto_: return L("The Qel logo, turning into the load ring when the CPU is busy");
    case MenuIconStyle::logo: return L("Always the Qel logo");
    case MenuIconStyle::ring: return L("CPU usage over the last 20 seconds, as a ring");
    case MenuIconStyle::bars: return L("CPU usage over the last 9 seconds, as bars");
    case MenuIconStyle::gauge: return L("An arc that fills up to the current CPU usage");
    case MenuIconStyle::wave: return L("CPU usage over the last 20 seconds, as a line");
    case MenuIconStyle::dot: return L("A dot that grows as the CPU gets busier");
    case MenuIconStyle::cat: return L("A running cat that speeds up as the CPU gets busier");
    case MenuIconStyle::dog: return L("A running dog that speeds up as the CPU gets busier");
    case MenuIconStyle::slime: return L("A slime that stretches faster as the CPU gets busier");
    case MenuIconStyle::drop: return L("A drop that ripples faster as the CPU gets busier");
    case MenuIconStyle::coffee: return L("A cup of coffee that steams faster as the CPU gets busier");
    case MenuIconStyle::newtonCradle: return L("A Newton's cradle that swings faster as the CPU gets busier");
    case MenuIconStyle::engine: return L("An engine that runs faster as the CPU gets busier");
    case MenuIconStyle::mochi: return L("A mochi being pounded faster as the CPU gets busier");
  }
  return {};
}

std::vector<int> menuIconShape(MenuIconStyle style, const MenuIconInputs& in, double dpr) {
  std::vector<int> shape;
  const auto add = [&shape, dpr](std::initializer_list<double> values) {
    for (const double v : values) shape.push_back(int(std::lround(v * dpr * 8)));
  };
  switch (style) {
    case MenuIconStyle::auto_:
      shape.push_back(in.busy);
      if (!in.busy) break;
      [[fallthrough]];
    case MenuIconStyle::ring:
      for (const QLineF& s : ringSpokes(in.cpuHist)) add({s.x1(), s.y1(), s.x2(), s.y2()});
      break;
    case MenuIconStyle::bars:
      for (const QRectF& r : barRects(in.cpuHist)) add({r.x(), r.y(), r.width(), r.height()});
      break;
    case MenuIconStyle::wave:
      for (const QPointF& p : wavePoints(in.cpuHist)) add({p.x(), p.y()});
      break;
    case MenuIconStyle::gauge: {
      const Gauge g = gaugeShape(in.cpu);
      add({g.valueSweep * g.radius * std::numbers::pi / 180, g.trackSweep * g.radius * std::numbers::pi / 180});
      break;
    }
    case MenuIconStyle::dot: {
      const Dot d = dotShape(in.cpu);
      add({d.discRadius, d.ringDiameter});
      break;
    }
    default: break;  // the logo, and a runner's first frame, never change
  }
  return shape;
}

QImage menuIcon(MenuIconStyle style, const MenuIconInputs& inputs, QColor ink, double dpr) {
  if (isRunner(style)) return runnerFrame(style, 0, ink, dpr);
  QImage image = canvas(QSizeF(kMenuIconSide, kMenuIconSide), dpr);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF whole(0, 0, kMenuIconSide, kMenuIconSide);
  switch (style) {
    case MenuIconStyle::auto_:
      if (inputs.busy) paintRing(p, inputs, ink);
      else paintMenuLogo(p, whole, ink);
      break;
    case MenuIconStyle::logo: paintMenuLogo(p, whole, ink); break;
    case MenuIconStyle::ring: paintRing(p, inputs, ink); break;
    case MenuIconStyle::bars: paintBars(p, inputs, ink); break;
    case MenuIconStyle::gauge: paintGauge(p, inputs, ink); break;
    case MenuIconStyle::wave: paintWave(p, inputs, ink); break;
    case MenuIconStyle::dot: paintDot(p, inputs, ink); break;
    default: break;
  }
  return image;
}

void paintMenuLogo(QPainter& p, const QRectF& rect, QColor ink) {
  // The program's mark in one colour: a ring around an off-centre hole, its dot cut out of the
  // ring's top, and the water at its lowest in the hole. Drawn in the mark's 100-unit space,
  // with the ring's 72-unit square filling `rect`.
  p.save();
  p.translate(rect.topLeft());
  p.scale(rect.width() / 72, rect.height() / 72);
  p.translate(-14, -14);
  const QRectF hole(23, 19, 54, 54);
  const QRectF dot(45.6, 12.2, 8.8, 8.8);
  QPainterPath ring;
  ring.addEllipse(QRectF(14, 14, 72, 72));
  QPainterPath holePath;
  holePath.addEllipse(hole);
  QPainterPath gap;
  gap.addEllipse(dot.adjusted(-3, -3, 3, 3));
  QPainterPath dotPath;
  dotPath.addEllipse(dot);
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  p.drawPath(ring.subtracted(holePath).subtracted(gap).united(dotPath));
  QPainterPath water;
  water.addRect(QRectF(10, 63, 80, 40));
  QColor wash = ink;
  wash.setAlphaF(ink.alphaF() * 0.55f);
  p.setBrush(wash);
  p.drawPath(holePath.intersected(water));
  p.restore();
}

QImage menuTextImage(const QString& text, int height, QColor ink, double dpr) {
  const int h = std::clamp(height, 8, 256);
  QFont font = Fonts::text(h * 0.6);
  font.setStyleStrategy(QFont::PreferAntialias);
  const QFontMetricsF metrics(font);
  const double width = std::ceil(metrics.horizontalAdvance(text)) + 2;
  QImage image = canvas(QSizeF(std::min(width, 2000.0), h), dpr);
  QPainter p(&image);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setFont(font);
  p.setPen(ink);
  p.drawText(QRectF(1, 0, width, h), Qt::AlignVCenter | Qt::AlignLeft, text);
  return image;
}

}  // namespace qel
