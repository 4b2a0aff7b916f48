#include "Qel/Sheets/Reports/StretchNameField.hpp"

#include <QPainter>

#include "Qel/Kit/Style/FocusRing.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"

namespace qel {

StretchNameField::StretchNameField(QWidget* parent) : QLineEdit(parent) {
  setFrame(false);
  setFont(Fonts::text(Type::largeTitle, QFont::DemiBold));
  setAttribute(Qt::WA_MacShowFocusRect, false);
  setStyleSheet(QStringLiteral("QLineEdit { background: transparent; border: none; }"));
  // The field keeps 2 of its own.
  setTextMargins(kInset - Space::xxs, Space::xxs, kInset - Space::xxs, Space::xxs);
  Palette::useAccentSelection(this);
}

void StretchNameField::paintEvent(QPaintEvent* event) {
  QLineEdit::paintEvent(event);
  if (!focusRingShown(this)) return;
  QPainter p(this);
  paintFocusRing(p, QRectF(rect()), 8);
}

}  // namespace qel
