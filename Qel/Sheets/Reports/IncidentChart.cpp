#include "Qel/Sheets/Reports/IncidentChart.hpp"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>

#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

namespace {

constexpr int kColumns = 60;

double finiteOrZero(double v) { return std::isfinite(v) ? v : 0.0; }

}  // namespace

std::vector<IncidentBar> incidentBars(const std::vector<Frame>& frames, const std::vector<Culprit>& culprits,
                                      int cores, QSizeF size) {
  std::vector<IncidentBar> bars;
  const double w = size.width(), h = size.height();
  if (frames.empty() || w <= 0 || h <= 0) return bars;
  const double divisor = std::max(cores, 1);
  const double column = w / kColumns;
  const double bar = std::max(column - 2, 1.0);
  const auto n = static_cast<long>(frames.size());
  for (long i = 0; i < n; ++i) {
    const long slot = kColumns - n + i;
    if (slot < 0) continue;  // older than the chart's sixty seconds
    const Frame& frame = frames[static_cast<std::size_t>(i)];
    const double x = column * static_cast<double>(slot) + 1;
    double y = h, used = 0;
    for (std::size_t k = 0; k < culprits.size(); ++k) {
      const auto entry = std::find_if(frame.top.begin(), frame.top.end(),
                                      [&](const FrameProc& p) { return p.pid == culprits[k].pid; });
      if (entry == frame.top.end()) continue;
      const double share = std::clamp(finiteOrZero(entry->cpu) / 100 / divisor, 0.0, 1.0);
      if (share <= 0) continue;
      bars.push_back({QRectF(x, y - share * h, bar, share * h), static_cast<int>(k)});
      y -= share * h;
      used += share;
    }
    const double rest = std::max(finiteOrZero(frame.cpu) - used, 0.0);
    if (rest > 0) bars.push_back({QRectF(x, y - rest * h, bar, rest * h), -1});
  }
  return bars;
}

QColor culpritColor(int index) {
  static const std::array<QColor, 4> colors = {Palette::cpu(), Palette::warn(), Palette::mem(), Palette::net()};
  return colors[static_cast<std::size_t>(std::abs(index)) % colors.size()];
}

IncidentChart::IncidentChart(const Incident& incident, int cores, QWidget* parent)
    : QWidget(parent), frames_(incident.frames), culprits_(incident.culprits), cores_(std::max(cores, 1)) {
  setFixedHeight(110);
  setAccessibleName(QString::fromStdString(L("CPU usage over the last 60 seconds")));
  Palette::followAppearance(this);
}

void IncidentChart::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath plate;
  plate.addRoundedRect(QRectF(rect()), Radius::cardSmall, Radius::cardSmall);
  p.fillPath(plate, Palette::adaptiveOpacity(0.05, 0.05).resolve());
  p.setClipRect(rect());  // a stack past the whole machine stops at the top
  const QColor rest = Palette::adaptiveOpacity(0.22, 0.22).resolve();
  for (const auto& bar : incidentBars(frames_, culprits_, cores_, QSizeF(size())))
    p.fillRect(bar.rect, bar.culprit < 0 ? rest : culpritColor(bar.culprit));
}

}  // namespace qel
