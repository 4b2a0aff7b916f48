#include "Qel/Window/Overview/MetricRow.hpp"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

#include "Qel/Kit/Charts/Sparkline.hpp"
#include "Qel/Kit/Style/FocusRing.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Glyphs.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

namespace {
constexpr double kPadX = Space::l, kPadY = Space::s, kSpacing = Space::l, kDot = 8, kName = 56, kValue = 96, kChevron = 10;
QFont nameFont() { return Fonts::text(Type::body); }
QFont valueFont() { return Fonts::text(Type::title3, QFont::Medium); }
}  // namespace

MetricRow::MetricRow(const QString& name, const QColor& color, std::optional<double> maxValue,
                     std::function<void()> action, QWidget* parent)
    : QAbstractButton(parent), name_(name), color_(color), action_(std::move(action)),
      spark_(new Sparkline(color, maxValue, this)), nameWidth_(nameWidthFor(name)), valueWidth_(kValue) {
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  spark_->setAttribute(Qt::WA_TransparentForMouseEvents);
  if (action_) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(QString::fromStdString(L("View %@", {name.toStdString()})));
    connect(this, &QAbstractButton::clicked, this, [this] { action_(); });
  } else {
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(name);
  }
  Palette::followAppearance(this);
}

void MetricRow::setValues(std::vector<double> values, const QString& text) {
  if (values != spark_->values()) spark_->setValues(std::move(values));
  if (text != value_) {
    value_ = text;
    setAccessibleDescription(text);
    const double width = std::max(kValue, std::ceil(QFontMetricsF(valueFont()).horizontalAdvance(text)));
    if (width != valueWidth_) {
      valueWidth_ = width;
      placeSparkline();
      update();
    } else {
      update(QRect(int(this->width() - kPadX - kChevron - kSpacing - valueWidth_), 0, int(valueWidth_), height()));
    }
  }
}

double MetricRow::nameWidthFor(const QString& name) {
  return std::max(kName, std::ceil(QFontMetricsF(nameFont()).horizontalAdvance(name)));
}

void MetricRow::setNameWidth(double width) {
  if (width == nameWidth_) return;
  nameWidth_ = width;  // taken from the sparkline, so the row asks for no more room
  placeSparkline();
  update();
}

QSize MetricRow::sizeHint() const {
  // The usual name width: a wider name takes its room from the sparkline.
  const double h = std::max(24.0, QFontMetricsF(valueFont()).height());
  return {int(2 * kPadX + kDot + kName + 120 + kValue + kChevron + 4 * kSpacing), int(std::ceil(h + 2 * kPadY))};
}

void MetricRow::resizeEvent(QResizeEvent* event) {
  QAbstractButton::resizeEvent(event);
  placeSparkline();
}

void MetricRow::placeSparkline() {
  const double left = kPadX + kDot + kSpacing + nameWidth_ + kSpacing;
  const double right = width() - kPadX - kChevron - kSpacing - valueWidth_ - kSpacing;
  spark_->setGeometry(int(left), (height() - 24) / 2, std::max(0, int(right - left)), 24);
}

void MetricRow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r(rect());
  const bool active = action_ && hovering_;
  if (active) {
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::adaptiveOpacity(0.045, 0.045).resolve());
    p.drawRoundedRect(r, Radius::cardSmall, Radius::cardSmall);
  }
  const double mid = r.height() / 2;
  p.setPen(Qt::NoPen);
  p.setBrush(color_);
  p.drawEllipse(QRectF(kPadX, mid - kDot / 2, kDot, kDot));
  p.setFont(nameFont());
  p.setPen(Palette::secondaryText().resolve());
  p.drawText(QRectF(kPadX + kDot + kSpacing, 0, nameWidth_, r.height()), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
             name_);
  const double chevronX = r.width() - kPadX - kChevron;
  p.setFont(valueFont());
  p.setPen(Palette::primaryText().resolve());
  p.drawText(QRectF(chevronX - kSpacing - valueWidth_, 0, valueWidth_, r.height()),
             Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, value_);
  if (active) Glyphs::draw(p, QRectF(chevronX, 0, kChevron, r.height()), "chevron.right", Type::title3, Palette::tertiaryText().resolve());
  if (focusRingShown(this)) paintFocusRing(p, r, 10);
}

void MetricRow::enterEvent(QEnterEvent* event) {
  QAbstractButton::enterEvent(event);
  hovering_ = true;
  if (action_) update();
}

void MetricRow::leaveEvent(QEvent* event) {
  QAbstractButton::leaveEvent(event);
  hovering_ = false;
  if (action_) update();
}

}  // namespace qel
