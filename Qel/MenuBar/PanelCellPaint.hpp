#pragma once
// What the panel's tiles share in their painting: the inset, the shaded ground and a line of text.
#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

class QPainter;

namespace qel::PanelCellPaint {

inline constexpr int kPadX = 11;

void paintCellBackground(QPainter& p, const QRectF& box);
// Text on one line from `x` at `top`, cut with an ellipsis at `right`.
void line(QPainter& p, const QFont& font, const QColor& color, double x, double top, double right, const QString& text,
          Qt::Alignment align = Qt::AlignLeft);

}  // namespace qel::PanelCellPaint
