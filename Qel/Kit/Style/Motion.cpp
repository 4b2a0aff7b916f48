#include "Qel/Kit/Style/Motion.hpp"

#include <QPointF>

#include <atomic>

namespace qel::Motion {
namespace {

std::atomic<bool> enabled{true};

QEasingCurve bezier(QPointF c1, QPointF c2) {
  QEasingCurve curve(QEasingCurve::BezierSpline);
  curve.addCubicBezierSegment(c1, c2, QPointF(1, 1));
  return curve;
}

}  // namespace

QEasingCurve easeInOut() { return bezier({0.42, 0}, {0.58, 1}); }
QEasingCurve easeOut() { return bezier({0, 0}, {0.58, 1}); }

int duration(int ms) { return enabled ? ms : 0; }
void setEnabled(bool on) { enabled = on; }

double Tween::at(std::int64_t now) const {
  if (!runs(now) || ms <= 0) return to;
  if (now <= start) return from;
  static const QEasingCurve curve = easeInOut();
  return from + (to - from) * curve.valueForProgress(double(now - start) / ms);
}

}  // namespace qel::Motion
