#include "Qel/Pages/Network/PortEndButton.hpp"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

#include "Qel/Kit/PageText.hpp"
#include "Qel/Kit/Style/FocusRing.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"

namespace qel {

PortEndButton::PortEndButton(QWidget* parent) : QAbstractButton(parent) {
  setText(qtL("End"));
  setFocusPolicy(Qt::StrongFocus);
  setCursor(Qt::PointingHandCursor);
}

void PortEndButton::setShown(bool on) {
  if (on == shown_) return;
  shown_ = on;
  update();
}

QSize PortEndButton::sizeHint() const {
  const QFontMetricsF m(font());
  return QSize(int(std::ceil(m.horizontalAdvance(text()))) + Space::xxl, int(std::ceil(m.height())) + Space::xs);
}

void PortEndButton::paintEvent(QPaintEvent*) {
  if (!shown_ && !focusRingShown(this)) return;
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF box = QRectF(rect());
  p.setPen(Qt::NoPen);
  p.setBrush(Palette::withAlpha(Palette::strain(), 0.12));
  p.drawRoundedRect(box, box.height() / 2, box.height() / 2);
  p.setPen(Palette::strainText().resolve());
  p.setFont(font());
  p.drawText(box, Qt::AlignCenter, text());
  if (focusRingShown(this)) paintFocusRing(p, box, box.height() / 2);
}

}  // namespace qel
