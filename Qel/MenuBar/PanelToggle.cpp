#include "Qel/MenuBar/PanelToggle.hpp"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "Qel/Kit/PanelStyle.hpp"
#include "Qel/Kit/Style/FocusRing.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Glyphs.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/PlainToolTip.hpp"
#include "Qel/Kit/WrappedText.hpp"
#include "Qel/Text/Loc.hpp"
#include "Qel/Text/Unbreakable.hpp"

namespace qel {

PanelToggle::PanelToggle(std::string icon, const QString& title, QWidget* parent)
    : QAbstractButton(parent), icon_(std::move(icon)), title_(title) {
  setFocusPolicy(Qt::TabFocus);
  setCursor(Qt::PointingHandCursor);
  QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  policy.setHeightForWidth(true);  // a long title or note goes on more lines
  setSizePolicy(policy);
  setAccessibleName(title);
  setAccessibleDescription(QString::fromStdString(L("Off")));
}

void PanelToggle::setState(bool on, const QString& note) {
  if (on == on_ && note == note_) return;
  on_ = on;
  if (note != note_) {
    shownNote_ = QString::fromStdString(keepFiguresWithUnits(note.toStdString()));  // "2 h" stays on one line
    updateGeometry();
  }
  note_ = note;
  setToolTip(note.isEmpty() ? QString() : plainToolTip(note));
  setAccessibleDescription(QString::fromStdString(on ? L("On") : L("Off")));
  update();
}

namespace {
QFont noteFont() { return Fonts::text(Type::caption); }
}  // namespace

// The title goes on more lines where it is long; a word wider than the tile sets it smaller.
QFont PanelToggle::titleFont(double width) const {
  return shrunkToFit(Type::footnote, QFont::DemiBold, 0.8, [&](const QFontMetricsF& fm) { return wordsFit(fm, title_, width); });
}

QSize PanelToggle::sizeHint() const { return {110, heightForWidth(110)}; }

int PanelToggle::heightForWidth(int width) const {
  const double title = wrappedHeight(QFontMetricsF(titleFont(width - 22)), title_, width - 22);
  const double note = std::max(wrappedHeight(QFontMetricsF(noteFont()), shownNote_, width - 22), QFontMetricsF(noteFont()).height());
  return int(std::ceil(9 + 24 + 4 + 2 + title + 2 + note + 9));
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
  Glyphs::draw(p, disc, icon_, Type::body, on_ ? Palette::panelToggleGlyphOn() : PanelStyle::primary());

  double y = disc.bottom() + 4 + 2;
  const double w = width() - 22;
  p.setFont(titleFont(w));
  p.setPen(PanelStyle::primary());
  const QFontMetricsF tm(titleFont(w)), nm(noteFont());
  const double titleHeight = wrappedHeight(tm, title_, w);
  p.drawText(QRectF(11, y, w, titleHeight), Qt::AlignLeft | Qt::AlignTop | wrapFlags(tm, title_, w), title_);
  y += titleHeight + 2;
  p.setFont(noteFont());
  p.setPen(on_ ? PanelStyle::accent() : PanelStyle::muted());
  p.drawText(QRectF(11, y, w, wrappedHeight(nm, shownNote_, w)), Qt::AlignLeft | Qt::AlignTop | wrapFlags(nm, shownNote_, w),
             shownNote_);
  if (focusRingShown(this)) paintFocusRing(p, QRectF(rect()), PanelStyle::kCellRadius);
}

}  // namespace qel
