#include "Qel/Kit/Art/RunnerFigures.hpp"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

#include "Qel/Kit/Style/Palette.hpp"

namespace qel {
namespace {

constexpr double kTau = 2 * std::numbers::pi;

void line(QPainter& p, QColor ink, double width, QPointF a, QPointF b) {
  p.setPen(QPen(ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawLine(a, b);
  p.setPen(Qt::NoPen);
}

void stroke(QPainter& p, QColor ink, double width, const QPainterPath& path) {
  p.strokePath(path, QPen(ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

// A leg from `hip`, swung by `angle` radians from straight down, with a bent lower half.
void leg(QPainter& p, QColor ink, QPointF hip, double angle, double length) {
  const QPointF knee = hip + QPointF(std::sin(angle), std::cos(angle)) * (length * 0.55);
  const double lower = angle - 0.5 * std::abs(std::sin(angle)) - 0.15;
  const QPointF paw = knee + QPointF(std::sin(lower), std::cos(lower)) * (length * 0.5);
  line(p, ink, 1.5, hip, knee);
  line(p, ink, 1.5, knee, paw);
}

// Four legs in a gallop at `phase` (0…1 over a stride).
void gallop(QPainter& p, QColor ink, QPointF frontHip, QPointF backHip, double phase, double length) {
  const double a = std::sin(kTau * phase) * 0.7;
  const double b = std::sin(kTau * phase + 0.9) * 0.7;
  leg(p, ink, frontHip, a, length);
  leg(p, ink, frontHip + QPointF(-1.2, 0), -b, length);
  leg(p, ink, backHip, -a, length);
  leg(p, ink, backHip + QPointF(1.2, 0), b, length);
}

void cat(QPainter& p, QColor ink, int frame) {
  const double t = frame / 5.0;
  const double bob = std::sin(kTau * t) * 0.7;
  p.translate(0, bob);
  p.drawEllipse(QRectF(6, 6.5, 14, 6));   // body
  p.drawEllipse(QRectF(18, 3.5, 7, 6));   // head
  QPainterPath ears;
  ears.addPolygon(QPolygonF({QPointF(18.8, 5), QPointF(19.3, 1.5), QPointF(21.3, 4)}));
  ears.addPolygon(QPolygonF({QPointF(22.2, 4), QPointF(24.2, 1.5), QPointF(24.6, 5)}));
  p.drawPath(ears);
  QPainterPath tail(QPointF(7, 8.5));
  tail.cubicTo(QPointF(3, 8 - 2 * std::sin(kTau * t)), QPointF(2, 4), QPointF(1.5 + std::sin(kTau * t), 2.5));
  stroke(p, ink, 1.4, tail);
  p.translate(0, -bob);
  gallop(p, ink, QPointF(17.5, 11 + bob), QPointF(8.5, 11 + bob), t, 6);
}

void dog(QPainter& p, QColor ink, int frame) {
  const double t = frame / 5.0;
  const double bob = std::sin(kTau * t) * 0.7;
  p.translate(0, bob);
  p.drawRoundedRect(QRectF(8, 6.5, 17, 6), 3, 3);  // body
  p.drawEllipse(QRectF(23, 2.5, 7, 6.5));          // head
  p.drawRoundedRect(QRectF(28, 5, 5.5, 3.2), 1.5, 1.5);  // snout
  QPainterPath ear(QPointF(24, 3.5));
  ear.cubicTo(QPointF(22, 4), QPointF(21.5, 7), QPointF(22.5, 8.5 + 0.8 * std::sin(kTau * t)));
  stroke(p, ink, 1.6, ear);
  QPainterPath tail(QPointF(9, 7.5));
  tail.quadTo(QPointF(5, 6 - std::sin(kTau * t)), QPointF(3.5, 2.5 + std::sin(kTau * t)));
  stroke(p, ink, 1.5, tail);
  p.translate(0, -bob);
  gallop(p, ink, QPointF(22.5, 11 + bob), QPointF(10.5, 11 + bob), t, 6);
}

void slime(QPainter& p, QColor /*ink: the painter's brush already*/, int frame) {
  // From round to stretched flat over the five frames.
  const double s = frame / 4.0;
  const double w = 14 + 12 * s, h = 13 - 6 * s;
  const double x = (30.5 - w) / 2;
  QPainterPath blob(QPointF(x, 17));
  blob.cubicTo(QPointF(x - 0.5, 17 - h * 0.9), QPointF(x + w * 0.25, 17 - h * 1.15), QPointF(x + w / 2, 17 - h));
  blob.cubicTo(QPointF(x + w * 0.75, 17 - h * 1.15), QPointF(x + w + 0.5, 17 - h * 0.9), QPointF(x + w, 17));
  blob.closeSubpath();
  QPainterPath eyes;
  const double eyeY = 17 - h * 0.6;
  eyes.addEllipse(QPointF(x + w * 0.38, eyeY), 1, 1.3 - 0.4 * s);
  eyes.addEllipse(QPointF(x + w * 0.62, eyeY), 1, 1.3 - 0.4 * s);
  p.drawPath(blob.subtracted(eyes));
}

void drop(QPainter& p, QColor ink, int frame) {
  const double cx = 10.75;
  if (frame < 3) {
    // Falling.
    const double y = 1 + frame * 3.5;
    QPainterPath d(QPointF(cx, y));
    d.cubicTo(QPointF(cx + 1, y + 2), QPointF(cx + 2.6, y + 3.4), QPointF(cx + 2.6, y + 4.8));
    d.arcTo(QRectF(cx - 2.6, y + 2.2, 5.2, 5.2), 0, -180);
    d.cubicTo(QPointF(cx - 2.6, y + 3.4), QPointF(cx - 1, y + 2), QPointF(cx, y));
    p.drawPath(d);
  } else {
    // A splash crown and its spray.
    p.drawEllipse(QPointF(cx, 13.5 - (frame - 3) * 3), 1.2, 1.2);
    p.drawEllipse(QPointF(cx - 4, 12.5 - (frame - 3) * 1.5), 0.9, 0.9);
    p.drawEllipse(QPointF(cx + 4, 12.5 - (frame - 3) * 1.5), 0.9, 0.9);
  }
  // The pool's ripples spread once the drop lands.
  const double r = frame < 3 ? 4 : 4 + (frame - 2) * 2.2;
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(ink, 1.2));
  p.drawEllipse(QPointF(cx, 16), std::min(r, 10.0), std::min(r, 10.0) * 0.22);
  if (frame >= 3) p.drawEllipse(QPointF(cx, 16), r * 0.5, r * 0.11);
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
}

void coffee(QPainter& p, QColor ink, int frame) {
  // The cup.
  QPainterPath cup(QPointF(2.5, 9));
  cup.lineTo(14, 9);
  cup.lineTo(13, 15.5);
  cup.quadTo(12.8, 17, 11, 17);
  cup.lineTo(5.5, 17);
  cup.quadTo(3.7, 17, 3.5, 15.5);
  cup.closeSubpath();
  p.drawPath(cup);
  QPainterPath handle;
  handle.addEllipse(QRectF(12, 10, 5, 4.5));
  stroke(p, ink, 1.3, handle);
  // Two puffs of steam rise from the rim, swaying as they go, and thin out; the second is half a
  // cycle behind the first. Each climbs five pixels over the ten frames.
  for (const int k : {0, 1}) {
    const double rise = std::fmod(frame / 10.0 + k * 0.5, 1.0);  // 0 at the rim, 1 gone
    const double x = (k == 0 ? 6.2 : 10.6) + 0.9 * std::sin(kTau * rise), base = 8.6 - rise * 5.5;
    const double length = 4 - rise;
    QPainterPath wisp;
    for (int i = 0; i <= 6; ++i) {
      const double along = i / 6.0;
      const QPointF pt(x + 1.0 * std::sin(kTau * (along * 0.8 + rise)), base - along * length);
      if (i == 0) wisp.moveTo(pt);
      else wisp.lineTo(pt);
    }
    stroke(p, Palette::withAlpha(ink, ink.alphaF() * std::min(1.0, 2 * (1 - rise))), 1.5, wisp);
  }
}

void newtonCradle(QPainter& p, QColor ink, int frame) {
  // The frame.
  line(p, ink, 1.2, QPointF(3, 1.5), QPointF(38, 1.5));
  line(p, ink, 1.2, QPointF(4, 1.5), QPointF(2, 17));
  line(p, ink, 1.2, QPointF(37, 1.5), QPointF(39, 17));
  // Five balls; frames 1–2 lift the left one, 3–4 the right one.
  const double lift[] = {0, 0.45, 0.9, 0.45, 0.9};
  const double swing = lift[frame];
  for (int i = 0; i < 5; ++i) {
    const QPointF pivot(12.5 + i * 4, 1.5);
    double angle = 0;
    if (i == 0 && (frame == 1 || frame == 2)) angle = -swing;
    if (i == 4 && (frame == 3 || frame == 4)) angle = swing;
    const QPointF ball = pivot + QPointF(std::sin(angle), std::cos(angle)) * 11.5;
    line(p, ink, 0.7, pivot, ball);
    p.drawEllipse(ball, 2, 2);
  }
}

void engine(QPainter& p, QColor ink, int frame) {
  const double a = kTau * frame / 10.0;
  // The cylinder, open at the top.
  QPainterPath cylinder;
  cylinder.addRect(QRectF(4, 2, 12, 14));
  cylinder.addRect(QRectF(5.5, 2, 9, 12.5));
  cylinder.setFillRule(Qt::OddEvenFill);
  p.drawPath(cylinder);
  // The flywheel and its crank.
  const QPointF hub(30, 10);
  QPainterPath wheel;
  wheel.addEllipse(hub, 7, 7);
  wheel.addEllipse(hub, 5.2, 5.2);
  wheel.setFillRule(Qt::OddEvenFill);
  p.drawPath(wheel);
  const QPointF pin = hub + QPointF(std::cos(a), std::sin(a)) * 4.2;
  line(p, ink, 1.3, hub - (pin - hub), pin);
  // The piston follows the crank's height; its rod reaches the pin.
  const double pistonY = 5 + 2.8 * (1 + std::sin(a));
  p.drawRect(QRectF(6.5, pistonY, 7, 4));
  line(p, ink, 1.3, QPointF(10, pistonY + 2), pin);
  p.drawEllipse(hub, 1.5, 1.5);
}

void mochi(QPainter& p, QColor ink, int frame) {
  const double down = frame / 4.0;  // 0 mallet raised, 1 on the mochi
  // The mortar.
  QPainterPath mortar(QPointF(6, 12));
  mortar.lineTo(25, 12);
  mortar.lineTo(23, 17);
  mortar.lineTo(8, 17);
  mortar.closeSubpath();
  p.drawPath(mortar);
  // The mochi, squashed as the mallet lands.
  const double squash = down > 0.7 ? (down - 0.7) / 0.3 : 0;
  const double mw = 9 + 4 * squash, mh = 4.5 - 2 * squash;
  p.drawEllipse(QRectF(15.5 - mw / 2, 12 - mh + 0.8, mw, mh));
  // The mallet swings down about its grip on the right, its head landing on the mochi.
  p.save();
  p.translate(29, 15);
  p.rotate(40 * (1 - down));
  line(p, ink, 1.4, QPointF(0, 0), QPointF(-10, -3.8));
  p.drawRoundedRect(QRectF(-14.2, -8, 4.4, 7), 1.5, 1.5);
  p.restore();
}

}  // namespace

void paintRunner(QPainter& p, MenuIconStyle style, int frame, QColor ink) {
  p.save();
  switch (style) {
    case MenuIconStyle::cat: cat(p, ink, frame); break;
    case MenuIconStyle::dog: dog(p, ink, frame); break;
    case MenuIconStyle::slime: slime(p, ink, frame); break;
    case MenuIconStyle::drop: drop(p, ink, frame); break;
    case MenuIconStyle::coffee: coffee(p, ink, frame); break;
    case MenuIconStyle::newtonCradle: newtonCradle(p, ink, frame); break;
    case MenuIconStyle::engine: engine(p, ink, frame); break;
    case MenuIconStyle::mochi: mochi(p, ink, frame); break;
    default: break;
  }
  p.restore();
}

}  // namespace qel
