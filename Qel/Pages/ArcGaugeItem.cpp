#include "Qel/Pages/ArcGaugeItem.hpp"

#include <QPainter>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "Qel/Kit/ChartKit.hpp"
#include "Qel/Kit/Fonts.hpp"
#include "Qel/Kit/Layouts.hpp"
#include "Qel/Kit/Palette.hpp"
#include "Qel/Kit/PlainLabel.hpp"
#include "Qel/Kit/Spacing.hpp"
#include "Qel/Kit/TypeScale.hpp"
#include "Qel/Pages/RollingFigure.hpp"
#include "Qel/Text/Format.hpp"

namespace qel {

namespace {

// The arc's radius in its canvas.
double arcRadius() { return std::min(0.5 * ArcGaugeItem::kWidth, 0.88 * ArcGaugeItem::kHeight) - 3; }

}  // namespace

double arcGaugeSweep(double fraction) {
  if (!(fraction > 0)) return 0;
  return Chart::kPi * std::min(fraction, 1.0);
}

ArcGaugeItem::ArcGaugeItem(const QString& title, double fraction, AdaptiveColor color, QWidget* parent)
    : QWidget(parent),
      fraction_(fraction),
      color_(std::move(color)),
      shown_(this, 400, [this] { update(canvasRect()); }),
      title_(new PlainLabel(title, Type::footnote, QFont::Normal, Palette::tertiaryText(), this)),
      percent_(new RollingFigure(Fonts::text(Type::callout, QFont::Medium), Palette::primaryText(), QStringLiteral("100%"),
                                 this)) {
  setMinimumWidth(kWidth);
  auto* column = Layouts::column(this, Space::xxs);
  column->addWidget(title_);
  column->addSpacing(kHeight);
  shown_.setPixelsPerUnit(Chart::kPi * arcRadius());  // the half circle
  shown_.jumpTo(fraction);
  percent_->setText(QString::fromStdString(fmtPercent(fraction)));
  Palette::followAppearance(this);
}

void ArcGaugeItem::setFraction(double fraction) {
  if (fraction == fraction_) return;
  fraction_ = fraction;
  shown_.setTarget(fraction);
  percent_->setText(QString::fromStdString(fmtPercent(fraction)));
}

QRect ArcGaugeItem::canvasRect() const { return {0, title_->sizeHint().height() + Space::xxs, kWidth, kHeight}; }

void ArcGaugeItem::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // The figure sits inside the arc: centred in the canvas's width, 10 down from its top.
  const QRect canvas = canvasRect();
  const QSize figure = percent_->sizeHint();
  percent_->setGeometry(canvas.left() + (kWidth - figure.width()) / 2, canvas.top() + 10, figure.width(),
                        figure.height());
}

void ArcGaugeItem::paintEvent(QPaintEvent*) {
  const QRect canvas = canvasRect();
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const double w = canvas.width(), h = canvas.height();
  const QPointF c(canvas.left() + 0.5 * w, canvas.top() + 0.88 * h);
  const double r = arcRadius();
  p.setPen(QPen(Palette::adaptiveOpacity(0.08, 0.08).resolve(), 5, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(Chart::arc(c, r, Chart::kPi, 2 * Chart::kPi));
  const double sweep = arcGaugeSweep(shown_.value());
  if (sweep <= 0) return;
  p.setPen(QPen(color_.resolve(), 5, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(Chart::arc(c, r, Chart::kPi, Chart::kPi + sweep));
}

}  // namespace qel
