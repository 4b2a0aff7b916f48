#include "Qel/MenuBar/PanelToggle.hpp"

#include <QFontMetricsF>
#include <QPainter>

#include "Qel/MenuBar/PanelStyle.hpp"
#include "Qel/Text/Loc.hpp"
#include "Qel/Window/FocusRing.hpp"
#include "Qel/Window/Fonts.hpp"
#include "Qel/Window/Glyphs.hpp"
#include "Qel/Window/PlainToolTip.hpp"

namespace qel {

PanelToggle::PanelToggle(std::string icon, const QString& title, QWidget* parent)
    : QAbstractButton(parent), icon_(std::move(icon)), title_(title) {
  setFocusPolicy(Qt::TabFocus);
  setCursor(Qt::PointingHandCursor);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  setAccessibleName(title);
  setAccessibleDescription(QString::fromStdString(L("Off")));
}

void PanelToggle::setState(bool on, const QString& note) {
  if (on == on_ && note == note_) return;
  on_ = on;
  note_ = note;
  // The note is cut to one line in a narrow tile; its whole text is a hover away.
  setToolTip(note.isEmpty() ? QString() : plainToolTip(note));
  setAccessibleDescription(QString::fromStdString(on ? L("On") : L("Off")));
  update();
}

QSize PanelToggle::sizeHint() const {
  return {110, 9 + 24 + 4 + 2 + int(QFontMetricsF(Fonts::text(12, QFont::DemiBold)).height()) + 2 +
                   int(QFontMetricsF(Fonts::text(10.5)).height()) + 9};
}

void PanelToggle::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  QColor back = PanelStyle::accent();
  back.setAlphaF(0.2F);
  p.setBrush(on_ ? back : PanelStyle::shade(0.06));
  p.drawRoundedRect(QRectF(rect()), PanelStyle::kCellRadius, PanelStyle::kCellRadius);

  const QRectF disc(11, 9, 24, 24);
  p.setBrush(on_ ? PanelStyle::accent() : PanelStyle::shade(0.1));
  p.drawEllipse(disc);
  Glyphs::draw(p, disc, icon_, 13, on_ ? Palette::themed(0x10161A, 0xFFFFFF) : PanelStyle::primary());

  double y = disc.bottom() + 4 + 2;
  const double w = width() - 22;
  const QFont titleFont = Fonts::text(12, QFont::DemiBold);
  const QFont noteFont = Fonts::text(10.5);
  p.setFont(titleFont);
  p.setPen(PanelStyle::primary());
  const QFontMetricsF tm(titleFont), nm(noteFont);
  p.drawText(QRectF(11, y, w, tm.height()), Qt::AlignLeft | Qt::AlignVCenter,
             tm.elidedText(title_, Qt::ElideRight, w));
  y += tm.height() + 2;
  p.setFont(noteFont);
  p.setPen(on_ ? PanelStyle::accent() : PanelStyle::muted());
  p.drawText(QRectF(11, y, w, nm.height()), Qt::AlignLeft | Qt::AlignVCenter, nm.elidedText(note_, Qt::ElideRight, w));
  if (focusRingShown(this)) paintFocusRing(p, QRectF(rect()), PanelStyle::kCellRadius);
}

}  // namespace qel
