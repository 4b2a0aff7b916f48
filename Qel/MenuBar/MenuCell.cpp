#include "Qel/MenuBar/MenuCell.hpp"

#include <QFontMetricsF>
#include <QPainter>

#include "Qel/Kit/Elision.hpp"
#include "Qel/Kit/FocusRing.hpp"
#include "Qel/Kit/Fonts.hpp"
#include "Qel/Kit/PanelStyle.hpp"
#include "Qel/Kit/PlainToolTip.hpp"
#include "Qel/Kit/Sparkline.hpp"
#include "Qel/Kit/WrappedText.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {
namespace {

constexpr int kPadX = 11;
constexpr int kSparkHeight = 24;

QFont rowFont() { return Fonts::text(11.5); }
QFont bigValueFont() { return Fonts::text(19, QFont::Medium); }

void paintCellBackground(QPainter& p, const QRectF& box) {
  p.setPen(Qt::NoPen);
  p.setBrush(PanelStyle::shade(0.06));
  p.drawRoundedRect(box, PanelStyle::kCellRadius, PanelStyle::kCellRadius);
}

// Text on one line from `x` at `top`, cut with an ellipsis at `right`.
void line(QPainter& p, const QFont& font, const QColor& color, double x, double top, double right, const QString& text,
          Qt::Alignment align = Qt::AlignLeft) {
  p.setFont(font);
  p.setPen(color);
  const QFontMetricsF fm(font);
  const QString shown = fm.elidedText(text, Qt::ElideRight, std::max(0.0, right - x));
  p.drawText(QRectF(x, top, right - x, fm.height()), int(align | Qt::AlignVCenter), shown);
}

}  // namespace

MenuCell::MenuCell(const QString& name, AdaptiveColor color, std::optional<double> maxValue, QWidget* parent)
    : QAbstractButton(parent), name_(name), color_(color), spark_(new Sparkline(color, maxValue, this)) {
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::TabFocus);
  spark_->setAttribute(Qt::WA_TransparentForMouseEvents);
  setAccessibleName(QString::fromStdString(L("View %@", {name.toStdString()})));
  QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  policy.setHeightForWidth(true);
  setSizePolicy(policy);
}

void MenuCell::setFigures(const QString& value, const QString& extra, std::vector<double> values) {
  if (value != value_ || extra != extra_) {
    const bool below = extraBelow(width());
    value_ = value;
    extra_ = extra;
    if (extraBelow(width()) != below) updateGeometry();
    update();
  }
  if (values != spark_->values()) spark_->setValues(std::move(values));
}

// The extra is a figure and is never cut: where the name and it don't fit on one line, it takes
// a line of its own.
bool MenuCell::extraBelow(int width) const {
  const QFontMetricsF row(rowFont());
  return kPadX + 13 + row.horizontalAdvance(name_) + 6 + row.horizontalAdvance(extra_) > width - kPadX;
}

QSize MenuCell::sizeHint() const { return {170, heightForWidth(170)}; }

int MenuCell::heightForWidth(int width) const {
  const int row = int(QFontMetricsF(rowFont()).height());
  return 9 + row + (extraBelow(width) ? row + 1 : 0) + 2 + int(QFontMetricsF(bigValueFont()).height()) + 2 +
         kSparkHeight + 9;
}

void MenuCell::resizeEvent(QResizeEvent*) {
  spark_->setGeometry(kPadX, height() - 9 - kSparkHeight, width() - 2 * kPadX, kSparkHeight);
}

void MenuCell::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF box(rect());
  paintCellBackground(p, box);
  const QFontMetricsF row(rowFont());
  double y = 9;
  const double right = width() - kPadX;
  p.setBrush(color_.resolve());
  p.drawRoundedRect(QRectF(kPadX, y + (row.height() - 7) / 2, 7, 7), 2, 2);
  line(p, rowFont(), PanelStyle::grey(), kPadX + 13, y, right, name_);
  if (extraBelow(width())) y += row.height() + 1;
  line(p, rowFont(), PanelStyle::muted(), kPadX + 13, y, right, extra_, Qt::AlignRight);
  y += row.height() + 2;
  line(p, bigValueFont(), PanelStyle::primary(), kPadX, y, right, value_);
  if (focusRingShown(this)) paintFocusRing(p, box, PanelStyle::kCellRadius);
}

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
  return {110, 8 + int(QFontMetricsF(Fonts::text(11)).height()) + 1 +
                   int(QFontMetricsF(Fonts::text(16, QFont::Medium)).height()) + 1 +
                   int(QFontMetricsF(Fonts::text(10.5)).height()) + 8};
}

void MiniCell::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  paintCellBackground(p, QRectF(rect()));
  const double right = width() - kPadX;
  double y = 8;
  line(p, Fonts::text(11), PanelStyle::muted(), kPadX, y, right, title_);
  y += QFontMetricsF(Fonts::text(11)).height() + 1;
  // The value shrinks down to 70 % of its size before it is cut, the note to 80 %.
  const auto fitsOneLine = [right](const QString& text) {
    return [right, text](const QFontMetricsF& fm) { return fm.horizontalAdvance(text) <= right - kPadX; };
  };
  const QFont value = shrunkToFit(16, QFont::Medium, 0.7, fitsOneLine(value_));
  const double valueHeight = QFontMetricsF(Fonts::text(16, QFont::Medium)).height();
  line(p, value, PanelStyle::primary(), kPadX, y + (valueHeight - QFontMetricsF(value).height()) / 2, right, value_);
  y += valueHeight + 1;
  const QFont note = shrunkToFit(10.5, QFont::Normal, 0.8, fitsOneLine(note_));
  const double noteHeight = QFontMetricsF(Fonts::text(10.5)).height();
  line(p, note, PanelStyle::muted(), kPadX, y + (noteHeight - QFontMetricsF(note).height()) / 2, right, note_);
}

PanelChip::PanelChip(QWidget* parent) : QWidget(parent) { setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed); }

void PanelChip::setText(const QString& text) {
  if (text == text_) return;
  text_ = text;
  updateGeometry();
  update();
}

QSize PanelChip::sizeHint() const {
  const QFontMetricsF fm(Fonts::text(11));
  return {int(std::ceil(fm.horizontalAdvance(text_))) + 12, int(std::ceil(fm.height())) + 2};
}

// A chip that gives way may go down to nothing; narrower than a letter or two and its "…", it
// shows nothing at all.
QSize PanelChip::minimumSizeHint() const { return {elidesByDesign(this) ? 0 : 24, sizeHint().height()}; }

void PanelChip::paintEvent(QPaintEvent*) {
  if (width() < 12 + QFontMetricsF(Fonts::text(11)).horizontalAdvance(QStringLiteral("MM…"))) return;
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(PanelStyle::shade(0.07));
  p.drawRoundedRect(QRectF(rect()), 5, 5);
  line(p, Fonts::text(11), PanelStyle::grey(), 6, 1, width() - 6, text_);
}

}  // namespace qel
