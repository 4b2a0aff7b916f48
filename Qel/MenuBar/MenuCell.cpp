#include "Qel/MenuBar/MenuCell.hpp"

#include <QFontMetricsF>
#include <QPainter>

#include "Qel/Kit/Charts/Sparkline.hpp"
#include "Qel/Kit/PanelStyle.hpp"
#include "Qel/Kit/Style/FocusRing.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/Elision.hpp"
#include "Qel/Kit/Widgets/PlainToolTip.hpp"
#include "Qel/MenuBar/PanelCellPaint.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

using PanelCellPaint::kPadX;
using PanelCellPaint::line;
using PanelCellPaint::paintCellBackground;

namespace {

constexpr int kSparkHeight = 24;

QFont rowFont() { return Fonts::text(Type::footnote); }
QFont bigValueFont() { return Fonts::text(Type::panelFigure, QFont::Medium); }

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

void MenuCell::setExtraBelow(bool below) {
  if (below == below_) return;
  below_ = below;
  updateGeometry();
  update();
}

bool MenuCell::fitsBeside(const QString& extra, int width) const {
  const QFontMetricsF row(rowFont());
  return kPadX + 13 + row.horizontalAdvance(name_) + 6 + row.horizontalAdvance(extra) <= width - kPadX;
}

// The extra is a figure and is never cut: it takes the line under the name where the panel says
// so, and where it grows past what the panel allowed for.
bool MenuCell::extraBelow(int width) const { return below_ || !fitsBeside(extra_, width); }

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
  p.drawRoundedRect(QRectF(kPadX, y + (row.height() - 7) / 2, 7, 7), Radius::bar, Radius::bar);
  line(p, rowFont(), PanelStyle::grey(), kPadX + 13, y, right, name_);
  if (extraBelow(width())) y += row.height() + 1;
  line(p, rowFont(), PanelStyle::muted(), kPadX + 13, y, right, extra_, Qt::AlignRight);
  y += row.height() + 2;
  line(p, bigValueFont(), PanelStyle::primary(), kPadX, y, right, value_);
  if (focusRingShown(this)) paintFocusRing(p, box, PanelStyle::kCellRadius);
}

}  // namespace qel
