#include "Qel/MenuBar/PanelChip.hpp"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

#include "Qel/Kit/PanelStyle.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/Elision.hpp"
#include "Qel/MenuBar/PanelCellPaint.hpp"

namespace qel {

using PanelCellPaint::line;

PanelChip::PanelChip(QWidget* parent) : QWidget(parent) { setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed); }

void PanelChip::setText(const QString& text) {
  if (text == text_) return;
  text_ = text;
  updateGeometry();
  update();
}

QSize PanelChip::sizeHint() const {
  const QFontMetricsF fm(Fonts::text(Type::caption));
  return {int(std::ceil(fm.horizontalAdvance(text_))) + 12, int(std::ceil(fm.height())) + 2};
}

// A chip that gives way may go down to nothing; narrower than a letter or two and its "…", it
// shows nothing at all.
QSize PanelChip::minimumSizeHint() const { return {elidesByDesign(this) ? 0 : 24, sizeHint().height()}; }

void PanelChip::paintEvent(QPaintEvent*) {
  if (width() < 12 + QFontMetricsF(Fonts::text(Type::caption)).horizontalAdvance(QStringLiteral("MM…"))) return;
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(PanelStyle::shade(0.07));
  p.drawRoundedRect(QRectF(rect()), Radius::tag, Radius::tag);
  line(p, Fonts::text(Type::caption), PanelStyle::grey(), 6, 1, width() - 6, text_);
}

}  // namespace qel
