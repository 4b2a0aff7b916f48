#include "Qel/Window/Overview/StatusChip.hpp"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Glyphs.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/PlainToolTip.hpp"

namespace qel {

namespace {
constexpr double kIcon = 14;  // the icon font draws its symbols a little inside their size
}

StatusChip::StatusChip(std::string icon, const QString& text, AdaptiveColor tint, const QString& help, QWidget* parent)
    : QWidget(parent), icon_(std::move(icon)), text_(text), tint_(std::move(tint)) {
  setFont(Fonts::text(Type::footnote));
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  setToolTip(plainToolTip(help));
  setAccessibleName(help);
  Palette::followAppearance(this);
}

QSize StatusChip::sizeHint() const {
  const QFontMetricsF fm(font());
  return {int(std::ceil(10 + kIcon + 5 + fm.horizontalAdvance(text_) + 10)), int(std::ceil(fm.height() + 10))};
}

void StatusChip::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r(rect());
  p.setPen(Qt::NoPen);
  p.setBrush(Palette::adaptiveOpacity(0.045, 0.045).resolve());
  p.drawRoundedRect(r, r.height() / 2, r.height() / 2);
  Glyphs::draw(p, QRectF(10, 0, kIcon, r.height()), icon_, kIcon, tint_.resolve());
  p.setPen(Palette::secondaryText().resolve());
  p.setFont(font());
  // A row too narrow for every chip squeezes them: end the text with an ellipsis, never mid-figure.
  const double room = r.width() - (10 + kIcon + 5) - 3;
  const QString shown = QFontMetricsF(font()).elidedText(text_, Qt::ElideRight, room);
  p.drawText(QRectF(10 + kIcon + 5, 0, r.width(), r.height()), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
             shown);
}

}  // namespace qel
