#include "Qel/MenuBar/SleepRowButton.hpp"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "Qel/Kit/PanelStyle.hpp"
#include "Qel/Kit/QtString.hpp"
#include "Qel/Kit/Style/FocusRing.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Glyphs.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/PlainToolTip.hpp"
#include "Qel/Kit/WrappedText.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

namespace {

constexpr double kPadX = 11, kPadY = 8, kGap = 8, kMoon = 14;

QFont summaryFont() { return Fonts::text(Type::footnote); }
QFont viewFont() { return Fonts::text(Type::footnote, QFont::Medium); }
QString viewText() { return qs(L("View")); }
// What the summary's parts (the time slept, the charge spent, the wakes) are joined by.
const QString kParts = QStringLiteral(" · ");

constexpr double kSummaryLeft = kPadX + kMoon + kGap;
// The summary's room in a row `width` wide: between the moon and "View".
double summaryWidth(int width) {
  return std::max(0.0, width - kPadX - QFontMetricsF(viewFont()).horizontalAdvance(viewText()) - kGap - kSummaryLeft);
}

}  // namespace

SleepRowButton::SleepRowButton(QWidget* parent) : QAbstractButton(parent) {
  setFocusPolicy(Qt::TabFocus);
  setCursor(Qt::PointingHandCursor);
  setAccessibleName(qs(L("View sleep report")));
  QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  policy.setHeightForWidth(true);  // a long summary takes a second line
  setSizePolicy(policy);
}

void SleepRowButton::setSummary(const QString& summary) {
  if (summary == text()) return;
  setText(summary);
  setToolTip(plainToolTip(summary));
  updateGeometry();
}

QRectF SleepRowButton::summaryRect(int width) const {
  const double room = summaryWidth(width);
  return {kSummaryLeft, kPadY, room, wrappedHeight(QFontMetricsF(summaryFont()), summaryLines(width), room)};
}

QString SleepRowButton::summaryLines(int width) const {
  return brokenBetweenParts(QFontMetricsF(summaryFont()), text(), kParts, summaryWidth(width));
}

QSize SleepRowButton::sizeHint() const { return {340, heightForWidth(340)}; }

int SleepRowButton::heightForWidth(int width) const {
  const double one = QFontMetricsF(summaryFont()).height();
  return int(std::ceil(kPadY + std::max(one, summaryRect(width).height()) + kPadY));
}

void SleepRowButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(PanelStyle::shade(0.06));
  p.drawRoundedRect(QRectF(rect()), PanelStyle::kCellRadius, PanelStyle::kCellRadius);
  Glyphs::draw(p, QRectF(kPadX, 0, kMoon, height()), "moon.fill", Type::body, PanelStyle::warm());
  const QFontMetricsF summary(summaryFont());
  QRectF text = summaryRect(width());
  text.moveTop((height() - text.height()) / 2);
  p.setFont(summaryFont());
  p.setPen(PanelStyle::grey());
  const QString lines = summaryLines(width());
  p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter | wrapFlags(summary, lines, text.width()), lines);
  const double viewWidth = QFontMetricsF(viewFont()).horizontalAdvance(viewText());
  p.setFont(viewFont());
  p.setPen(PanelStyle::accent());
  p.drawText(QRectF(width() - kPadX - viewWidth, 0, viewWidth + 1, height()), Qt::AlignLeft | Qt::AlignVCenter, viewText());
  if (focusRingShown(this)) paintFocusRing(p, QRectF(rect()), PanelStyle::kCellRadius);
}

}  // namespace qel
