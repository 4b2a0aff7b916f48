#include "Qel/Window/Glow.hpp"

#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

#include "Qel/Window/PageMeta.hpp"

namespace qel {

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

void paintGlow(QPainter& painter, const Glow& glow) {
  QColor clear = glow.color;
  clear.setAlphaF(0);
  QRadialGradient gradient(glow.centre, Glow::kRadius);
  gradient.setColorAt(0, glow.color);
  gradient.setColorAt(1, clear);
  painter.save();
  painter.setOpacity(std::clamp(glow.opacity, 0.0, 1.0));
  painter.setPen(Qt::NoPen);
  painter.setBrush(gradient);
  painter.drawEllipse(glow.centre, Glow::kRadius, Glow::kRadius);
  painter.restore();
}

}  // namespace qel
