#include "Qel/Pages/CPU/BarStatItem.hpp"

#include <QHBoxLayout>
#include <QPaintEvent>
#include <QPainter>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "Qel/Kit/Charts/ChartKit.hpp"
#include "Qel/Kit/OneTaskPaint.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Layouts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"
#include "Qel/Pages/RollingFigure.hpp"
#include "Qel/Text/Format.hpp"

namespace qel {

namespace {
constexpr int kGauge = 32;
constexpr double kStroke = 4;
constexpr double kRadius = kGauge / 2.0 - 2;
}  // namespace

double gaugeSweep(double fraction) {
  if (!(fraction > 0)) return 0;
  return 2 * Chart::kPi * std::min(fraction, 1.0);
}

BarStatItem::BarStatItem(const QString& title, double fraction, AdaptiveColor color, QWidget* parent)
    : QWidget(parent),
      fraction_(fraction),
      color_(std::move(color)),
      shown_(this, 400, [this] { update(gaugeRect()); }),
      title_(new PlainLabel(title, Type::caption, QFont::Normal, Palette::tertiaryText(), this)),
      percent_(new RollingFigure(Fonts::text(Type::headline, QFont::DemiBold), Palette::primaryText(), QStringLiteral("100%"),
                                 this)) {
  setMinimumWidth(90);
  auto* row = Layouts::row(this, Space::ml);
  row->addSpacing(kGauge + Space::ml);  // the row sets no gap beside a spacing of its own
  auto* texts = new QVBoxLayout;
  texts->setSpacing(Space::hair);
  texts->addWidget(title_);
  texts->addWidget(percent_);
  row->addLayout(texts);
  row->addStretch(1);
  setFixedHeight(std::max(kGauge, sizeHint().height()));
  shown_.setPixelsPerUnit(2 * Chart::kPi * kRadius);  // the whole ring
  shown_.jumpTo(std::clamp(std::isfinite(fraction) ? fraction : 0.0, 0.0, 1.0));
  percent_->setText(QString::fromStdString(fmtPercent(fraction)));
  Palette::followAppearance(this);
}

void BarStatItem::setFraction(double fraction) {
  if (fraction == fraction_) return;
  fraction_ = fraction;
  shown_.setTarget(std::clamp(std::isfinite(fraction) ? fraction : 0.0, 0.0, 1.0));
  percent_->setText(QString::fromStdString(fmtPercent(fraction)));
}

void BarStatItem::setColor(AdaptiveColor color) {
  color_ = std::move(color);
  update(gaugeRect());
}

QRect BarStatItem::gaugeRect() const { return {0, (height() - kGauge) / 2, kGauge, kGauge}; }

void BarStatItem::paintEvent(QPaintEvent* event) {
  // The figure beside the gauge rolls on its own; its frames leave the gauge as it is.
  if (!event->rect().intersects(gaugeRect())) return;
  const double dpr = devicePixelRatioF();
  // The sweep in eighths of a device pixel along the ring: finer steps draw the same pixels.
  const double step = 1 / (8 * kRadius * dpr);
  const GaugeLook look{std::round(gaugeSweep(shown_.value()) / step) * step, color_.resolve().rgba(),
                       Palette::adaptiveOpacity(0.08, 0.08).resolve().rgba(), dpr};
  if (!(look == gaugeLook_) || gauge_.isNull()) {
    // Two antialiased rings, each handed to Qt's fill threads if drawn here: drawn in one task.
    gauge_ = clearImage({kGauge, kGauge}, dpr);
    paintInOneTask([&] {
      QPainter p(&gauge_);
      p.setRenderHint(QPainter::Antialiasing);
      const QPointF c(kGauge / 2.0, kGauge / 2.0);
      p.setBrush(Qt::NoBrush);
      p.setPen(QPen(QColor::fromRgba(look.track), kStroke));
      p.drawEllipse(c, kRadius, kRadius);
      if (look.sweep <= 0) return;
      QPen pen(QColor::fromRgba(look.colour), kStroke, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin);
      pen.setMiterLimit(10);
      p.setPen(pen);
      p.drawPath(Chart::arc(c, kRadius, -Chart::kPi / 2, -Chart::kPi / 2 + look.sweep));
    });
    gaugeLook_ = look;
  }
  QPainter(this).drawImage(gaugeRect().topLeft(), gauge_);
}

}  // namespace qel
