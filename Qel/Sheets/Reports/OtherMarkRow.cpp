#include "Qel/Sheets/Reports/OtherMarkRow.hpp"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "Qel/Kit/QtString.hpp"
#include "Qel/Kit/Style/FocusRing.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Platform/Utf8.hpp"
#include "Qel/Sheets/Reports/StretchReport.hpp"
#include "Qel/Text/Format.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {
namespace {

// The rows keep their box's side padding inside them, so their focus ring has room.
constexpr double kRowPad = Space::card;

}  // namespace

OtherMarkRow::OtherMarkRow(const Stretch& stretch, QWidget* parent) : QAbstractButton(parent), stretch_(stretch) {
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::TabFocus);
  setText(qs(displayName(stretch_.name)));
  setAccessibleName(text() + u' ' + qs(StretchReport::times(stretch_)));
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  Palette::followAppearance(this);
}

QSize OtherMarkRow::sizeHint() const {
  const QFontMetricsF name(Fonts::text(Type::body, QFont::Medium)), times(Fonts::text(Type::footnote));
  return {200, int(std::ceil(9 + name.height() + 1 + times.height() + 9))};
}

void OtherMarkRow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF box(rect());
  const QFont nameFont = Fonts::text(Type::body, QFont::Medium), timesFont = Fonts::text(Type::footnote),
              peakFont = Fonts::text(Type::body);
  const QFontMetricsF name(nameFont), times(timesFont), peakMetrics(peakFont);
  const QString peak = qs(L("peak %@", {fmtPercent(stretch_.peak)}));
  const double peakWidth = peakMetrics.horizontalAdvance(peak);
  const double room = std::max(0.0, box.width() - 2 * kRowPad - peakWidth - 12 - 8);

  p.setFont(peakFont);
  p.setPen(Palette::secondaryText().resolve());
  p.drawText(QRectF(box.width() - kRowPad - peakWidth - 1, 0, peakWidth + 1, box.height()),
             Qt::AlignRight | Qt::AlignVCenter, peak);
  const double top = (box.height() - name.height() - 1 - times.height()) / 2;
  p.setFont(nameFont);
  p.setPen(Palette::primaryText().resolve());
  p.drawText(QRectF(kRowPad, top, room, name.height()), Qt::AlignLeft | Qt::AlignVCenter,
             name.elidedText(text(), Qt::ElideRight, room));
  p.setFont(timesFont);
  p.setPen(Palette::tertiaryText().resolve());
  p.drawText(QRectF(kRowPad, top + name.height() + 1, room, times.height()), Qt::AlignLeft | Qt::AlignVCenter,
             qs(StretchReport::times(stretch_)));
  if (focusRingShown(this)) paintFocusRing(p, box.adjusted(6, 2, -6, -2), 8);
}

}  // namespace qel
