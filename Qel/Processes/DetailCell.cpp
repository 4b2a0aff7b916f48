#include "Qel/Processes/DetailCell.hpp"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

#include "Qel/Window/Fonts.hpp"
#include "Qel/Window/Palette.hpp"

namespace qel {

namespace {

constexpr double kPadX = 12, kPadY = 10, kGap = 2;
constexpr double kTitleSize = 11.5, kValueSize = 18;

QFont titleFont() { return Fonts::text(kTitleSize); }
QFont valueFont(double size) { return Fonts::text(size, QFont::Medium); }

}  // namespace

DetailCell::DetailCell(const QString& title, const QString& value, QWidget* parent)
    : QWidget(parent), title_(title), value_(value) {
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  setAccessibleName(title_);
  setAccessibleDescription(value_);
  Palette::followAppearance(this);
}

void DetailCell::setTitle(const QString& title) {
  if (title == title_) return;
  title_ = title;
  setAccessibleName(title_);
  update();
}

void DetailCell::setValue(const QString& value) {
  if (value == value_) return;
  value_ = value;
  setAccessibleDescription(value_);
  update();
}

QSize DetailCell::sizeHint() const {
  const double h = 2 * kPadY + QFontMetricsF(titleFont()).height() + kGap + QFontMetricsF(valueFont(kValueSize)).height();
  return {120, int(std::ceil(h))};
}

QSize DetailCell::minimumSizeHint() const { return {int(2 * kPadX) + 20, sizeHint().height()}; }

void DetailCell::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath card;
  card.addRoundedRect(QRectF(rect()), 10, 10);
  p.fillPath(card, Palette::adaptiveOpacity(0.045, 0.045).resolve());

  const double inner = width() - 2 * kPadX;
  const QFontMetricsF titleMetrics(titleFont());
  p.setFont(titleFont());
  p.setPen(Palette::tertiaryText().resolve());
  p.drawText(QRectF(kPadX, kPadY, inner, titleMetrics.height()), Qt::AlignLeft | Qt::AlignVCenter,
             titleMetrics.elidedText(title_, Qt::ElideRight, inner));

  // The value shrinks to fit, down to 70 %; whatever is still too wide is cut.
  double size = kValueSize;
  const double full = QFontMetricsF(valueFont(kValueSize)).horizontalAdvance(value_);
  if (full > inner && full > 0) size = std::max(kValueSize * inner / full, kValueSize * 0.7);
  const QFont font = valueFont(size);
  const QFontMetricsF valueMetrics(font);
  const double base = kPadY + titleMetrics.height() + kGap;
  const double line = QFontMetricsF(valueFont(kValueSize)).height();
  p.setFont(font);
  p.setPen(Palette::primaryText().resolve());
  p.drawText(QRectF(kPadX, base, inner, line), Qt::AlignLeft | Qt::AlignVCenter,
             valueMetrics.elidedText(value_, Qt::ElideRight, inner));
}

}  // namespace qel
