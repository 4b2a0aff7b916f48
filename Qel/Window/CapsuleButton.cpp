#include "Qel/Window/CapsuleButton.hpp"

#include <QEvent>
#include <QPainter>

#include "Qel/Window/Fonts.hpp"
#include "Qel/Window/Glyphs.hpp"
#include "Qel/Window/Palette.hpp"
#include "Qel/Window/PlainToolTip.hpp"

namespace qel {

namespace {
constexpr int padding = 12;
constexpr int spacing = 6;
}  // namespace

CapsuleButton::CapsuleButton(std::string symbol, double symbolSize, const QString& toolTip, QWidget* parent)
    : QAbstractButton(parent), symbol_(std::move(symbol)), symbolSize_(symbolSize) {
  setFont(Fonts::text(12, QFont::Medium));
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::TabFocus);
  setToolTip(plainToolTip(toolTip));
  setFixedHeight(kHeight);
  Palette::followAppearance(this);
}

QSize CapsuleButton::sizeHint() const {
  const int symbol = QFontMetrics(Fonts::icons(symbolSize_)).horizontalAdvance(Glyphs::text(symbol_));
  return {padding + symbol + spacing + fontMetrics().horizontalAdvance(text()) + padding, kHeight};
}

void CapsuleButton::changeEvent(QEvent* event) {
  QAbstractButton::changeEvent(event);
  if (event->type() == QEvent::FontChange) updateGeometry();
}

void CapsuleButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const bool light = Palette::light();
  QColor fill = Palette::calm();
  fill.setAlphaF(light ? 0.18f : 0.14f);
  const QColor ink = light ? Palette::calmDeep() : Palette::calm();
  const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  const double radius = box.height() / 2;
  p.setPen(hasFocus() ? QPen(ink, 1.5) : Qt::NoPen);  // keyboard focus shows as a ring
  p.setBrush(fill);
  p.drawRoundedRect(box, radius, radius);

  const int symbolWidth = QFontMetrics(Fonts::icons(symbolSize_)).horizontalAdvance(Glyphs::text(symbol_));
  Glyphs::draw(p, QRectF(padding, 0, symbolWidth, height()), symbol_, symbolSize_, ink);
  p.setFont(font());
  p.setPen(ink);
  p.drawText(QRectF(padding + symbolWidth + spacing, 0, width(), height()), Qt::AlignLeft | Qt::AlignVCenter, text());
}

}  // namespace qel
