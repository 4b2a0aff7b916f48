#include "Qel/Pages/BarStatItem.hpp"

#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "Qel/Pages/ChartKit.hpp"
#include "Qel/Pages/RollingFigure.hpp"
#include "Qel/Text/Format.hpp"
#include "Qel/Window/Fonts.hpp"
#include "Qel/Window/Palette.hpp"
#include "Qel/Window/PlainLabel.hpp"

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
      title_(new PlainLabel(title, 11, QFont::Normal, Palette::tertiaryText(), this)),
      percent_(new RollingFigure(Fonts::text(15, QFont::DemiBold), Palette::primaryText(), QStringLiteral("100%"),
                                 this)) {
  setMinimumWidth(90);
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(10);
  row->addSpacing(kGauge);
  auto* texts = new QVBoxLayout;
  texts->setSpacing(1);
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

void BarStatItem::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF box = gaugeRect();
  const QPointF c = box.center();
  const double r = kRadius;
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Palette::adaptiveOpacity(0.08, 0.08).resolve(), kStroke));
  p.drawEllipse(c, r, r);
  const double sweep = gaugeSweep(shown_.value());
  if (sweep <= 0) return;
  QPen pen(color_.resolve(), kStroke, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin);
  pen.setMiterLimit(10);
  p.setPen(pen);
  p.drawPath(Chart::arc(c, r, -Chart::kPi / 2, -Chart::kPi / 2 + sweep));
}

}  // namespace qel
