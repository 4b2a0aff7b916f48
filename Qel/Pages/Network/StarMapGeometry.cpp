#include "Qel/Pages/Network/StarMapGeometry.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "Qel/Kit/Widgets/Elision.hpp"
#include "Qel/Platform/Utf8.hpp"

namespace qel {
namespace {

double finiteOr0(double v) { return std::isfinite(v) && v > 0 ? v : 0.0; }

// How far `p` lies from `box`: 0 inside it.
double distanceTo(QPointF p, const QRectF& box) {
  const double dx = std::max({box.left() - p.x(), 0.0, p.x() - box.right()});
  const double dy = std::max({box.top() - p.y(), 0.0, p.y() - box.bottom()});
  return std::hypot(dx, dy);
}

}  // namespace

QString starLabel(const QString& name) { return cutToCharacters(name, 16, 15); }

QRectF starCentreLabel(QPointF centre, QSizeF label) {
  return {centre.x() - label.width() / 2, centre.y() + kStarLabelDrop - label.height() / 2, label.width(), label.height()};
}

StarFrame starFrame(const std::vector<ProcInfo>& nodes, QSizeF size, double t, QSizeF centreLabel) {
  StarFrame f;
  const double w = size.width(), h = size.height();
  f.centre = {w / 2, h / 2};
  f.outer = std::min(w / 2 - kStarSideMargin, h / 2 - kStarEndMargin);
  if (!(f.outer > kStarMinOuter)) return f;
  f.drawn = true;
  const double R = f.outer;
  for (double g : {0.33, 0.66, 1.0}) f.guides.push_back(kStarInner + (R - kStarInner) * g);

  std::vector<ProcInfo> sorted = nodes;
  std::stable_sort(sorted.begin(), sorted.end(), [](const ProcInfo& a, const ProcInfo& b) { return a.pid < b.pid; });
  const double n = sorted.empty() ? 1.0 : double(sorted.size());
  std::uint64_t maxTotal = 1;
  for (const auto& p : sorted) maxTotal = std::max(maxTotal, p.netTotal);
  const double M = std::log(double(maxTotal) + 1);
  const QPointF c = f.centre;
  const QRectF label = starCentreLabel(c, centreLabel);

  for (std::size_t i = 0; i < sorted.size(); ++i) {
    const ProcInfo& node = sorted[i];
    const double s = maxTotal > 1 ? std::log(double(node.netTotal) + 1) / M : 0.0;
    double d = kStarInner + (R - kStarInner) * (1 - 0.85 * s);
    const double a = (double(i) + 0.5) * 2 * std::numbers::pi / n - std::numbers::pi / 2;
    StarDot dot;
    dot.pid = node.pid;
    const double rate = finiteOr0(node.netDown) + finiteOr0(node.netUp);
    dot.radius = 3 + std::min(0.5 * std::sqrt(rate / 1024), 14.0);
    // A dot near the middle moves out along its spoke until it leaves the machine's name clear.
    const auto at = [&](double distance) { return QPointF(c.x() + distance * std::cos(a), c.y() + distance * std::sin(a)); };
    if (!label.isEmpty())
      while (distanceTo(at(d), label) < dot.radius + kStarLabelClearance && d < R + kStarEndMargin) d += 0.5;
    dot.centre = at(d);
    if (rate > 512) {
      dot.opacity = 1;
      const int m = 2 + int(std::min(std::floor(rate / 200000), 4.0));
      for (int k = 0; k < m; ++k) {
        const double x = 0.13 * double(i) + 0.35 * t + double(k) / m;
        const double phase = x - std::floor(x);
        dot.pulses.push_back(dot.centre + (c - dot.centre) * phase);
        dot.pulseOpacity.push_back(1 - 0.6 * phase);
      }
    } else {
      dot.opacity = 0.45;
    }
    dot.label = starLabel(QString::fromStdString(displayName(node.name)));
    const double ca = std::cos(a);
    dot.anchor = ca > 0.2 ? LabelAnchor::leading : ca >= -0.2 ? LabelAnchor::centre : LabelAnchor::trailing;
    const double e = d + dot.radius + (dot.anchor == LabelAnchor::centre ? 14 : 8);
    dot.labelPoint = {c.x() + e * ca, c.y() + e * std::sin(a)};
    f.dots.push_back(std::move(dot));
  }
  return f;
}

std::optional<std::int32_t> starHit(const std::vector<StarDot>& dots, QPointF at) {
  std::optional<std::int32_t> best;
  double bestDistance = 0;
  for (const auto& dot : dots) {
    const double distance = std::hypot(at.x() - dot.centre.x(), at.y() - dot.centre.y());
    if (!(distance < dot.radius + kStarClickTolerance)) continue;
    if (!best || distance < bestDistance) {
      best = dot.pid;
      bestDistance = distance;
    }
  }
  return best;
}

}  // namespace qel
