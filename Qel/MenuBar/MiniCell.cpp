#include "Qel/MenuBar/MiniCell.hpp"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

#include "Qel/Kit/PanelStyle.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/PlainToolTip.hpp"
#include "Qel/Kit/WrappedText.hpp"
#include "Qel/MenuBar/PanelCellPaint.hpp"
#include "Qel/Text/Unbreakable.hpp"

namespace qel {

using PanelCellPaint::kPadX;
using PanelCellPaint::line;
using PanelCellPaint::paintCellBackground;

namespace {

constexpr int kPadY = 8;

QFont wordsFont() { return Fonts::text(Type::caption); }
QFont valueFont() { return Fonts::text(Type::title3, QFont::Medium); }

}  // namespace

MiniCell::MiniCell(QWidget* parent) : QWidget(parent) {
  // As tall as its words need at its width; the row's tiles share the tallest one's height.
  QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  policy.setHeightForWidth(true);
  setSizePolicy(policy);
}

void MiniCell::setTexts(const QString& title, const QString& value, const QString& note) {
  if (title == title_ && value == value_ && note == note_) return;
  const bool lines = title != title_ || note != note_;
  if (note != note_) {
    setToolTip(plainToolTip(note));
    shownNote_ = QString::fromStdString(keepFiguresWithUnits(note.toStdString()));  // "900 MB" stays on one line
  }
  title_ = title;
  value_ = value;
  note_ = note;
  if (lines) updateGeometry();
  update();
}

QSize MiniCell::sizeHint() const { return {110, heightForWidth(110)}; }

// The title and the note take as many lines as their words need; the value keeps one.
int MiniCell::heightForWidth(int width) const {
  const QFontMetricsF words(wordsFont());
  const double w = width - 2 * kPadX;
  return int(std::ceil(kPadY + wrappedHeight(words, title_, w) + 1 + QFontMetricsF(valueFont()).height() + 1 +
                       wrappedHeight(words, shownNote_, w) + kPadY));
}

void MiniCell::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  paintCellBackground(p, QRectF(rect()));
  const double right = width() - kPadX, w = right - kPadX;
  const QFontMetricsF words(wordsFont());
  const auto paragraph = [&](const QString& text, double top) {
    const double h = wrappedHeight(words, text, w);
    p.setFont(wordsFont());
    p.setPen(PanelStyle::muted());
    p.drawText(QRectF(kPadX, top, w, h), Qt::AlignLeft | Qt::AlignTop | wrapFlags(words, text, w), text);
    return h;
  };
  double y = kPadY + paragraph(title_, kPadY) + 1;
  // The value, a figure on one line, shrinks down to 70 % of its size before it would be cut.
  const QFont value = shrunkToFit(Type::title3, QFont::Medium, 0.7, [&](const QFontMetricsF& fm) {
    return fm.horizontalAdvance(value_) <= w;
  });
  const double valueHeight = QFontMetricsF(valueFont()).height();
  line(p, value, PanelStyle::primary(), kPadX, y + (valueHeight - QFontMetricsF(value).height()) / 2, right, value_);
  y += valueHeight + 1;
  paragraph(shownNote_, y);
}

}  // namespace qel
