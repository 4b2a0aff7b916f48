#include "Qel/Sheets/Reports/SleepBatteryChart.hpp"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <chrono>

#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

namespace {

constexpr double kSide = 44, kEdge = 16;

double secondsBetween(Date from, Date to) {
  return std::chrono::duration<double>(to - from).count();
}

}  // namespace

SleepChartGeometry sleepChartGeometry(const SleepSession& session, QSizeF size) {
  SleepChartGeometry g;
  const double w = size.width(), h = size.height();
  g.plot = QRectF(kSide, kEdge, std::max(w - 2 * kSide, 0.0), std::max(h - 2 * kEdge, 0.0));
  if (!session.chargeStart || !session.chargeEnd) return g;
  const double span = std::max(secondsBetween(session.start, session.end), 1.0);
  std::vector<std::pair<double, double>> points{{0.0, double(*session.chargeStart)}};
  for (const auto& wake : session.wakes)
    if (wake.charge) points.emplace_back(secondsBetween(session.start, wake.date) / span, double(*wake.charge));
  points.emplace_back(1.0, double(*session.chargeEnd));
  double top = points.front().second, bottom = top;
  for (const auto& [f, v] : points) {
    top = std::max(top, v);
    bottom = std::min(bottom, v);
  }
  top += 1;
  bottom -= 1;
  const double range = std::max(top - bottom, 1.0);
  const double P = g.plot.width(), Q = g.plot.height();
  const auto x = [&](double f) { return kSide + P * f; };
  const auto y = [&](double v) { return kEdge + Q * (top - v) / range; };
  for (const auto& [f, v] : points) g.line.emplace_back(x(f), y(v));
  for (const auto& wake : session.wakes) {
    const QRectF band(x(secondsBetween(session.start, wake.date) / span), kEdge,
                      std::max(P * std::max(wake.seconds, 0) / span, 3.0), Q);
    // A wake logged outside the sleep's span would otherwise draw over the end labels.
    const QRectF inside = band.intersected(g.plot);
    if (!inside.isEmpty()) g.bands.push_back(inside);
  }
  g.startLabel = QPointF(kSide / 2, y(*session.chargeStart));
  g.endLabel = QPointF(w - kSide / 2, y(*session.chargeEnd));
  return g;
}

SleepBatteryChart::SleepBatteryChart(const SleepSession& session, QWidget* parent)
    : QWidget(parent), session_(session) {
  setFixedHeight(104);
  setAccessibleName(QString::fromStdString(L("Battery level while asleep")));
  Palette::followAppearance(this);
}

void SleepBatteryChart::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath plate;
  plate.addRoundedRect(QRectF(rect()), Radius::cardSmall, Radius::cardSmall);
  p.fillPath(plate, Palette::adaptiveOpacity(0.05, 0.05).resolve());
  const auto g = sleepChartGeometry(session_, QSizeF(size()));
  if (g.line.empty()) return;
  p.save();
  p.setClipRect(g.plot);  // the line and the bands stay on the plot, clear of the end labels
  QColor band = Palette::warn();
  band.setAlphaF(Palette::light() ? 0.4f : 0.25f);
  for (const auto& b : g.bands) p.fillRect(b, band);
  QPainterPath path(g.line.front());
  for (std::size_t i = 1; i < g.line.size(); ++i) path.lineTo(g.line[i]);
  QPen pen(Palette::sleepChargeLine(), 1.6, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin);
  p.strokePath(path, pen);
  p.restore();
  p.setFont(Fonts::text(Type::caption));
  p.setPen(Palette::secondaryText().resolve());
  const auto label = [&](QPointF centre, int charge) {
    p.drawText(QRectF(centre.x() - 22, centre.y() - 10, 44, 20), Qt::AlignCenter, QString::number(charge) + u'%');
  };
  label(g.startLabel, *session_.chargeStart);
  label(g.endLabel, *session_.chargeEnd);
}

}  // namespace qel
