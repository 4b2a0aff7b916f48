#include "Qel/Sheets/Export/PosterRing.hpp"

#include <QPainter>

#include <algorithm>
#include <cmath>

#include "Qel/Kit/Charts/ChartKit.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

namespace {

constexpr double kStep = 2 * Chart::kPi / 144;
constexpr double kGap = 7;

}  // namespace

PosterRingGeometry::PosterRingGeometry(QSizeF size)
    : centre(size.width() / 2, size.height() / 2), outer(size.width() / 2 - 30), track((outer - 0.58 * outer - kGap) / 2) {}

double PosterRingGeometry::trackOuter(int index) const { return outer - index * (track + kGap); }

double PosterRingGeometry::slotAngle(double slot) { return -Chart::kPi / 2 + (slot + 0.5) * kStep; }

double PosterRingGeometry::halfWidth() { return 0.33 * kStep; }

double posterBarShare(double value) { return std::isnan(value) ? 0.035 : std::clamp(value, 0.035, 1.0); }

QColor posterBarColor(double value, int track) {
  if (value >= 0.88) return Palette::strain();
  if (value >= 0.7) return Palette::warn();
  return track == 0 ? Palette::cpu() : Palette::mem();
}

void drawPosterRing(QPainter& painter, QSizeF size, const PosterData& data, bool showDots) {
  const PosterRingGeometry g(size);
  if (g.track <= 0) return;
  const double half = PosterRingGeometry::halfWidth();
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  const QColor slotWash = Palette::withAlpha(Palette::white(), 0.05);
  for (int track = 0; track < 2; ++track) {
    const double inner = g.trackInner(track);
    for (int i = 0; i < 144; ++i) {
      const double a = PosterRingGeometry::slotAngle(i);
      painter.fillPath(Chart::ringSegment(g.centre, inner, g.trackOuter(track), a - half, a + half), slotWash);
      if (i >= int(data.buckets.size()) || !data.buckets[i]) continue;
      const double v = track == 0 ? data.buckets[i]->cpu : data.buckets[i]->mem;
      QColor colour = posterBarColor(v, track);
      colour.setAlphaF(0.85f);
      painter.fillPath(Chart::ringSegment(g.centre, inner, inner + g.track * posterBarShare(v), a - half, a + half), colour);
    }
  }

  QPen dashed(Palette::withAlpha(Palette::white(), 0.28), 1, Qt::CustomDashLine, Qt::FlatCap, Qt::MiterJoin);
  dashed.setDashPattern({2, 4});
  painter.setPen(dashed);
  painter.setBrush(Qt::NoBrush);
  for (const auto& s : data.sleeps)
    painter.drawPath(Chart::arc(g.centre, g.outer + 4, PosterRingGeometry::slotAngle(s.from) - half,
                                PosterRingGeometry::slotAngle(s.to) + half));

  painter.setPen(Qt::NoPen);
  if (showDots)
    for (const auto& e : data.events) {
      painter.setBrush(e.isMemory ? Palette::strain() : Palette::warn());
      painter.drawEllipse(Chart::polar(g.centre, g.outer + 6, PosterRingGeometry::slotAngle(e.slot)), 4.0, 4.0);
    }

  painter.setPen(Palette::withAlpha(Palette::white(), 0.42));
  const QFont font = Fonts::text(Type::caption);
  const std::pair<const char*, double> labels[] = {
      {Lkey("0:00"), -0.5}, {Lkey("6:00"), 35.5}, {Lkey("12:00"), 71.5}, {Lkey("18:00"), 107.5}};
  for (const auto& [text, slot] : labels)
    Chart::drawText(painter, QString::fromStdString(L(text)), font,
                    Chart::polar(g.centre, g.outer + 18, PosterRingGeometry::slotAngle(slot)), Qt::AlignCenter);
  painter.restore();
}

}  // namespace qel
