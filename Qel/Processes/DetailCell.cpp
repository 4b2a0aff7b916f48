#include "Qel/Processes/DetailCell.hpp"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

#include "Qel/Window/Fonts.hpp"
#include "Qel/Window/Palette.hpp"

namespace qel {

namespace {

constexpr double kPadX = 12, kPadY = 10, kSpacing = 2, kRadius = 10, kTitleSize = 11.5;

QFont titleFont() { return Fonts::text(kTitleSize); }
QFont valueFont(int size) { return Fonts::text(size, QFont::Medium); }

}  // namespace

int fittedPixelSize(const QFont& font, const QString& text, double room, int size) {
  const int smallest = std::max(1, int(std::ceil(size * 0.7)));
  QFont f = font;
  for (int s = size; s > smallest; --s) {
    f.setPixelSize(s);
    if (QFontMetricsF(f).horizontalAdvance(text) <= room) return s;
  }
  return smallest;
}

DetailCell::DetailCell(const QString& title, const QString& value, QWidget* parent)
    : QWidget(parent), title_(title), value_(value) {
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  setAccessibleName(title_ + u' ' + value_);
  Palette::followAppearance(this);
}

void DetailCell::setValue(const QString& value) {
  if (value == value_) return;
  value_ = value;
  setAccessibleName(title_ + u' ' + value_);
  update();
}

QSize DetailCell::sizeHint() const {
  const QFontMetricsF title(titleFont()), value(valueFont(kValueSize));
  const double width = std::max(title.horizontalAdvance(title_), value.horizontalAdvance(value_)) + 2 * kPadX;
  return {int(std::ceil(width)), int(std::ceil(2 * kPadY + title.height() + kSpacing + value.height()))};
}

QSize DetailCell::minimumSizeHint() const { return {int(2 * kPadX), sizeHint().height()}; }

void DetailCell::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF box(rect());
  p.setPen(Qt::NoPen);
  p.setBrush(Palette::adaptiveOpacity(0.045, 0.045).resolve());
  p.drawRoundedRect(box, kRadius, kRadius);

  const double room = box.width() - 2 * kPadX;
  const QFont title = titleFont();
  const QFontMetricsF titleMetrics(title);
  p.setFont(title);
  p.setPen(Palette::tertiaryText().resolve());
  p.drawText(QRectF(kPadX, kPadY, room, titleMetrics.height()), Qt::AlignLeft | Qt::AlignVCenter,
             titleMetrics.elidedText(title_, Qt::ElideRight, room));

  // The value keeps the line height of its full size, so tiles in a row stay level.
  const QFont value = valueFont(fittedPixelSize(valueFont(kValueSize), value_, room, kValueSize));
  const double line = QFontMetricsF(valueFont(kValueSize)).height();
  p.setFont(value);
  p.setPen(Palette::primaryText().resolve());
  p.drawText(QRectF(kPadX, kPadY + titleMetrics.height() + kSpacing, room, line), Qt::AlignLeft | Qt::AlignVCenter,
             QFontMetricsF(value).elidedText(value_, Qt::ElideRight, room));
}

}  // namespace qel
