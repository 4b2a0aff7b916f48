#include "Qel/Sheets/Export/ExportSwitch.hpp"

#include <QPainter>

#include "Qel/Kit/Style/FocusRing.hpp"
#include "Qel/Kit/Style/Palette.hpp"

namespace qel {

ExportSwitch::ExportSwitch(const QString& name, QWidget* parent) : QAbstractButton(parent) {
  setCheckable(true);
  setChecked(true);
  setAccessibleName(name);
  setFocusPolicy(Qt::StrongFocus);
  setCursor(Qt::PointingHandCursor);
  setFixedSize(40, 24);
}

void ExportSwitch::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF track = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
  p.setPen(focusRingShown(this) ? QPen(Palette::secondaryText().resolve(), 1.5) : Qt::NoPen);
  p.setBrush(isChecked() ? Palette::calmDeep() : Palette::adaptiveOpacity(0.18, 0.2).resolve());
  p.drawRoundedRect(track, track.height() / 2, track.height() / 2);
  const double d = track.height() - 4;
  const double x = isChecked() ? track.right() - 2 - d : track.left() + 2;
  p.setPen(Qt::NoPen);
  p.setBrush(Palette::knob());
  p.drawEllipse(QRectF(x, track.top() + 2, d, d));
}

}  // namespace qel
