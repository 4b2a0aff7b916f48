#include "Qel/Window/Motion.hpp"

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

}  // namespace qel::Motion
