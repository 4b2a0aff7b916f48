#include "Qel/MenuBar/PanelCellPaint.hpp"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

#include "Qel/Kit/PanelStyle.hpp"

namespace qel::PanelCellPaint {

void paintCellBackground(QPainter& p, const QRectF& box) {
  p.setPen(Qt::NoPen);
  p.setBrush(PanelStyle::shade(0.06));
  p.drawRoundedRect(box, PanelStyle::kCellRadius, PanelStyle::kCellRadius);
}

void line(QPainter& p, const QFont& font, const QColor& color, double x, double top, double right, const QString& text,
          Qt::Alignment align) {
  p.setFont(font);
  p.setPen(color);
  const QFontMetricsF fm(font);
  const QString shown = fm.elidedText(text, Qt::ElideRight, std::max(0.0, right - x));
  p.drawText(QRectF(x, top, right - x, fm.height()), int(align | Qt::AlignVCenter), shown);
}

}  // namespace qel::PanelCellPaint
