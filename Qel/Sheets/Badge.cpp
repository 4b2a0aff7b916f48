#include "Qel/Sheets/Badge.hpp"

#include <QPainter>

#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"

namespace qel {

namespace {
constexpr int padX = 9;
constexpr int padY = Space::lines;
}  // namespace

Badge::Badge(const QString& text, QColor tint, QWidget* parent) : QWidget(parent), text_(text), tint_(tint) {
  setFont(Fonts::text(Type::footnote, QFont::DemiBold));
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  setAccessibleName(text);
  Palette::followAppearance(this);
}

QSize Badge::sizeHint() const {
  const QFontMetrics m = fontMetrics();
  return {m.horizontalAdvance(text_) + 2 * padX, m.height() + 2 * padY};
}

void Badge::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  QColor fill = tint_;
  fill.setAlphaF(Palette::light() ? 0.3f : 0.2f);
  p.setPen(Qt::NoPen);
  p.setBrush(fill);
  const double radius = height() / 2.0;
  p.drawRoundedRect(QRectF(rect()), radius, radius);
  p.setPen(Palette::primaryText().resolve());
  p.drawText(rect(), Qt::AlignCenter, text_);
}

}  // namespace qel
