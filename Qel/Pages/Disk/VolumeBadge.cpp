#include "Qel/Pages/Disk/VolumeBadge.hpp"

#include <QPainter>

#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"

namespace qel {

VolumeBadge::VolumeBadge(const QString& text, QWidget* parent)
    : PlainLabel(text, Type::caption, QFont::Normal, Palette::tertiaryText(), parent) {
  setContentsMargins(Space::badgeX, Space::hair, Space::badgeX, Space::hair);
}

void VolumeBadge::paintEvent(QPaintEvent* event) {
  PlainLabel::paintEvent(event);
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Palette::adaptiveOpacity(0.08, 0.07).resolve(), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), Radius::tag, Radius::tag);
}

}  // namespace qel
