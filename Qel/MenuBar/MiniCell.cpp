#include "Qel/MenuBar/MiniCell.hpp"

#include <QFontMetricsF>
#include <QPainter>

#include "Qel/Kit/Elision.hpp"
#include "Qel/Kit/Fonts.hpp"
#include "Qel/Kit/PanelStyle.hpp"
#include "Qel/Kit/PlainToolTip.hpp"
#include "Qel/Kit/TypeScale.hpp"
#include "Qel/Kit/WrappedText.hpp"
#include "Qel/MenuBar/PanelCellPaint.hpp"

namespace qel {

using PanelCellPaint::kPadX;
using PanelCellPaint::line;
using PanelCellPaint::paintCellBackground;

MiniCell::MiniCell(QWidget* parent) : QWidget(parent) {
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  letElide(this);  // the note is one line; its whole text is the tool tip
}

void MiniCell::setTexts(const QString& title, const QString& value, const QString& note) {
  if (title == title_ && value == value_ && note == note_) return;
  // The note is cut to one line in a narrow tile; its whole text is a hover away.
  if (note != note_) setToolTip(plainToolTip(note));
  title_ = title;
  value_ = value;
  note_ = note;
  update();
}

QSize MiniCell::sizeHint() const {
  return {110, 8 + int(QFontMetricsF(Fonts::text(Type::caption)).height()) + 1 +
                   int(QFontMetricsF(Fonts::text(Type::title3, QFont::Medium)).height()) + 1 +
                   int(QFontMetricsF(Fonts::text(Type::caption)).height()) + 8};
}

void MiniCell::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  paintCellBackground(p, QRectF(rect()));
  const double right = width() - kPadX;
  double y = 8;
  line(p, Fonts::text(Type::caption), PanelStyle::muted(), kPadX, y, right, title_);
  y += QFontMetricsF(Fonts::text(Type::caption)).height() + 1;
  // The value shrinks down to 70 % of its size before it is cut, the note to 80 %.
  const auto fitsOneLine = [right](const QString& text) {
    return [right, text](const QFontMetricsF& fm) { return fm.horizontalAdvance(text) <= right - kPadX; };
  };
  const QFont value = shrunkToFit(Type::title3, QFont::Medium, 0.7, fitsOneLine(value_));
  const double valueHeight = QFontMetricsF(Fonts::text(Type::title3, QFont::Medium)).height();
  line(p, value, PanelStyle::primary(), kPadX, y + (valueHeight - QFontMetricsF(value).height()) / 2, right, value_);
  y += valueHeight + 1;
  const QFont note = shrunkToFit(Type::caption, QFont::Normal, 0.8, fitsOneLine(note_));
  const double noteHeight = QFontMetricsF(Fonts::text(Type::caption)).height();
  line(p, note, PanelStyle::muted(), kPadX, y + (noteHeight - QFontMetricsF(note).height()) / 2, right, note_);
}

}  // namespace qel
