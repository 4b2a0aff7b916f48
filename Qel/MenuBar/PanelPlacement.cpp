#include "Qel/MenuBar/PanelPlacement.hpp"

#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace qel {

PanelPlacement panelFrame(std::optional<QRectF> icon, const QRectF& visible, QPointF pointer,
                          double contentHeight, bool translucent) {
  const double margin = translucent ? kPanelShadowInset : 0;
  const double width = kPanelWidth + 2 * margin;
  // An unknown place is the pointer's: a zero-sized icon where it is.
  const QRectF anchor = icon && icon->isValid() && !icon->isEmpty() ? *icon : QRectF(pointer, QSizeF(0, 0));
  const double wanted = std::isfinite(contentHeight) ? std::max(0.0, std::ceil(contentHeight)) : 0.0;

  const double top = std::clamp(anchor.bottom(), visible.top(), visible.bottom());
  const double bottom = std::clamp(anchor.top(), visible.top(), visible.bottom());
  const double roomBelow = visible.bottom() - top - kPanelTopInset - margin;
  const double roomAbove = bottom - visible.top() - kPanelTopInset - margin;
  bool below = anchor.center().y() < visible.center().y();
  // The other side when this one has no room for the whole card and that one has more.
  if ((below ? roomBelow : roomAbove) < wanted && (below ? roomAbove : roomBelow) > (below ? roomBelow : roomAbove))
    below = !below;
  double room = below ? roomBelow : roomAbove;
  // No room on either side (a tiny screen): the card overlaps the icon rather than not opening.
  if (room <= 0) room = std::max(0.0, visible.height() - kPanelTopInset - margin);
  const double height = std::min(wanted, room);
  const double frameHeight = height + kPanelTopInset + margin;

  const double aligned = std::max(anchor.left() - margin, visible.left());
  const double rightmost = std::max(visible.left(), visible.right() - width);
  const double x = std::min(rightmost, aligned);
  double y = below ? top : bottom - frameHeight;
  y = std::clamp(y, visible.top(), std::max(visible.top(), visible.bottom() - frameHeight));

  PanelPlacement p;
  p.frame = QRectF(x, y, width, frameHeight);
  const double contentTop = below ? y + kPanelTopInset : y + margin;
  p.content = QRectF(x + margin, contentTop, kPanelWidth, height);
  return p;
}

bool containsContent(const PanelPlacement& placement, QPointF point) {
  QPainterPath shape;
  shape.addRoundedRect(placement.content, kPanelCornerRadius, kPanelCornerRadius);
  return shape.contains(point);
}

QRegion cardRegion(const PanelPlacement& placement) {
  const QRect card = placement.content.translated(-placement.frame.topLeft()).toAlignedRect();
  const int r = std::min({int(kPanelCornerRadius), card.width() / 2, card.height() / 2});
  if (r <= 0) return QRegion(card);
  const int d = 2 * r;
  QRegion shape(card.adjusted(r, 0, -r, 0));
  shape += QRegion(card.adjusted(0, r, 0, -r));
  for (const QPoint corner : {card.topLeft(), QPoint(card.right() - d + 1, card.top()),
                              QPoint(card.left(), card.bottom() - d + 1), QPoint(card.right() - d + 1, card.bottom() - d + 1)})
    shape += QRegion(QRect(corner, QSize(d, d)), QRegion::Ellipse);
  return shape;
}

}  // namespace qel
