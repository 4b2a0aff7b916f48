#include "Qel/Processes/SelectionEndButton.hpp"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

#include "Qel/Kit/Style/FocusRing.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"

namespace qel {

namespace {
QFont wordsFont() { return Fonts::text(Type::body, QFont::DemiBold); }
}  // namespace

SelectionEndButton::SelectionEndButton(QWidget* parent) : QAbstractButton(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setCursor(Qt::PointingHandCursor);
}

QSize SelectionEndButton::sizeHint() const {
  const QFontMetricsF m(wordsFont());
  // The words with a sheet's margin on either side, and half a large step above and below.
  return {int(std::ceil(m.horizontalAdvance(text()))) + 2 * Space::sheet, int(std::ceil(m.height())) + Space::xxl};
}

void SelectionEndButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setOpacity(isEnabled() ? 1.0 : 0.35);
  const QRectF box = QRectF(rect()).adjusted(1, 1, -1, -1);
  p.setPen(Qt::NoPen);
  p.setBrush(Palette::paper());
  p.drawRoundedRect(box, box.height() / 2, box.height() / 2);
  p.setFont(wordsFont());
  p.setPen(Palette::ink());
  p.drawText(box, Qt::AlignCenter, text());
  if (focusRingShown(this)) paintFocusRing(p, box, box.height() / 2, Palette::paper());
}

}  // namespace qel
