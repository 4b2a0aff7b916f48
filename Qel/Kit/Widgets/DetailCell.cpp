#include "Qel/Kit/Widgets/DetailCell.hpp"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/WrappedText.hpp"

namespace qel {

namespace {

constexpr double kPadX = Space::l, kPadY = Space::ml, kGap = Space::xxs;
// The title's size is off the type scale: shrinking it to fit steps down from it by half pixels.
constexpr double kTitleSize = 11.5, kValueSize = Type::title1;

QFont valueFont(double size) { return Fonts::text(size, QFont::Medium); }

// The title goes on more lines where it is long; a word wider than the cell sets it smaller.
QFont titleFont(const QString& title, double inner) {
  return shrunkToFit(kTitleSize, QFont::Normal, 0.85,
                     [&](const QFontMetricsF& fm) { return wordsFit(fm, title, inner); });
}

}  // namespace

DetailCell::DetailCell(const QString& title, const QString& value, QWidget* parent)
    : QWidget(parent), title_(title), value_(value) {
  QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  policy.setHeightForWidth(true);
  setSizePolicy(policy);
  setAccessibleName(title_);
  setAccessibleDescription(value_);
  Palette::followAppearance(this);
}

void DetailCell::setTitle(const QString& title) {
  if (title == title_) return;
  title_ = title;
  setAccessibleName(title_);
  updateGeometry();
  update();
}

void DetailCell::setValue(const QString& value) {
  if (value == value_) return;
  value_ = value;
  setAccessibleDescription(value_);
  update();
}

QSize DetailCell::sizeHint() const { return {120, heightForWidth(120)}; }

QSize DetailCell::minimumSizeHint() const { return {int(2 * kPadX) + 20, sizeHint().height()}; }

int DetailCell::heightForWidth(int width) const {
  const double inner = width - 2 * kPadX;
  const double title = wrappedHeight(QFontMetricsF(titleFont(title_, inner)), title_, inner);
  return int(std::ceil(2 * kPadY + std::max(title, QFontMetricsF(Fonts::text(kTitleSize)).height()) + kGap +
                       QFontMetricsF(valueFont(kValueSize)).height()));
}

void DetailCell::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath card;
  card.addRoundedRect(QRectF(rect()), Radius::cardSmall, Radius::cardSmall);
  p.fillPath(card, Palette::adaptiveOpacity(0.045, 0.045).resolve());

  const double inner = width() - 2 * kPadX;
  const QFont title = titleFont(title_, inner);
  const QFontMetricsF titleMetrics(title);
  const double line = QFontMetricsF(valueFont(kValueSize)).height();
  // The title from the top, the value at the bottom: values line up across a row of cells whose
  // titles take different numbers of lines.
  const double base = height() - kPadY - line;
  p.setFont(title);
  p.setPen(Palette::tertiaryText().resolve());
  p.drawText(QRectF(kPadX, kPadY, inner, base - kGap - kPadY),
             Qt::AlignLeft | Qt::AlignTop | wrapFlags(titleMetrics, title_, inner), title_);

  // The value shrinks to fit, down to 70 %; whatever is still too wide is cut.
  double size = kValueSize;
  const double full = QFontMetricsF(valueFont(kValueSize)).horizontalAdvance(value_);
  if (full > inner && full > 0) size = std::max(kValueSize * inner / full, kValueSize * 0.7);
  const QFont font = valueFont(size);
  const QFontMetricsF valueMetrics(font);
  p.setFont(font);
  p.setPen(Palette::primaryText().resolve());
  p.drawText(QRectF(kPadX, base, inner, line), Qt::AlignLeft | Qt::AlignVCenter,
             valueMetrics.elidedText(value_, Qt::ElideRight, inner));
}

}  // namespace qel
