#include "Qel/Processes/ColumnTitles.hpp"

#include <QPainter>

#include "Qel/Kit/QtString.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Processes/ProcessRowGeometry.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

ColumnTitles::ColumnTitles(QWidget* parent) : QWidget(parent) {
  setFixedHeight(34);
  Palette::followAppearance(this);
}

void ColumnTitles::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const ProcessRowGeometry g = processRowGeometry(width());
  p.setFont(Fonts::text(Type::footnote, QFont::Medium));
  p.setPen(Palette::tertiaryText().resolve());
  const int flags = Qt::AlignVCenter | Qt::TextSingleLine;
  auto cell = [&](QRectF r) { return QRectF(r.left(), 0, r.width(), height() - 1); };
  p.drawText(cell(g.name), flags | Qt::AlignLeft, qs(L("Name")));
  p.drawText(cell(g.cpu), flags | Qt::AlignRight, qs(L("CPU %")));
  p.drawText(cell(g.mem), flags | Qt::AlignRight, qs(L("Memory")));
  p.drawText(cell(g.pid), flags | Qt::AlignRight, QStringLiteral("PID"));
  p.fillRect(QRectF(0, height() - 1, width(), 1), Palette::adaptiveOpacity(0.08, 0.07).resolve());
}

}  // namespace qel
