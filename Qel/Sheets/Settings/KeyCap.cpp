#include "Qel/Sheets/Settings/KeyCap.hpp"

#include <QPainter>

#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"

namespace qel {

KeyCap::KeyCap(const QString& keys, QWidget* parent) : QWidget(parent), keys_(keys) {
  const QFontMetrics m(Fonts::text(Type::body, QFont::Medium));
  setFixedSize(m.horizontalAdvance(keys_) + 20, m.height() + 8);
  setAccessibleName(keys_);
  Palette::followAppearance(this);
}

void KeyCap::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(Palette::adaptiveOpacity(0.08, 0.08).resolve());
  p.drawRoundedRect(QRectF(rect()), Radius::key, Radius::key);
  p.setFont(Fonts::text(Type::body, QFont::Medium));
  p.setPen(Palette::primaryText().resolve());
  p.drawText(rect(), Qt::AlignCenter, keys_);
}

}  // namespace qel
