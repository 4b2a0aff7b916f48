#include "Qel/Pages/Energy/GainRow.hpp"

#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include <cmath>

#include "Qel/Kit/PageText.hpp"
#include "Qel/Kit/QtString.hpp"
#include "Qel/Kit/Style/FocusRing.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"
#include "Qel/Platform/Utf8.hpp"
#include "Qel/Text/Format.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

namespace {

constexpr int kIcon = 22;

}  // namespace

GainRow::GainRow(RuntimeGain gain, QIcon icon, QWidget* parent)
    : QAbstractButton(parent), gain_(std::move(gain)), icon_(std::move(icon)) {
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::TabFocus);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  setAccessibleName(qs(L("Quit %@", {displayName(gain_.name)})));
  Palette::followAppearance(this);
}

QSize GainRow::sizeHint() const {
  const double lines = QFontMetricsF(Fonts::text(Type::body, QFont::Medium)).height() + Space::hair +
                       QFontMetricsF(Fonts::text(Type::footnote)).height();
  return {260, int(std::ceil(std::max(lines, double(kIcon)) + 2 * Space::rowPadY))};
}

void GainRow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r(rect());
  const double mid = r.height() / 2;
  icon_.paint(&p, QRect(0, int(mid - kIcon / 2.0), kIcon, kIcon));

  const QFont plusFont = Fonts::text(Type::body), nameFont = Fonts::text(Type::body, QFont::Medium),
              wattsFont = Fonts::text(Type::footnote);
  const QString plus = QStringLiteral("+") + qs(fmtRuntime(gain_.minutes));
  const double plusWidth = QFontMetricsF(plusFont).horizontalAdvance(plus);
  p.setFont(plusFont);
  p.setPen(Palette::calmText().resolve());
  p.drawText(QRectF(r.width() - plusWidth, 0, plusWidth, r.height()), Qt::AlignRight | Qt::AlignVCenter, plus);

  const double left = kIcon + Space::ml, space = std::max(0.0, r.width() - plusWidth - Space::m - left);
  const QFontMetricsF nameMetrics(nameFont), wattsMetrics(wattsFont);
  const double top = mid - (nameMetrics.height() + Space::hair + wattsMetrics.height()) / 2;
  p.setFont(nameFont);
  p.setPen(Palette::primaryText().resolve());
  p.drawText(QRectF(left, top, space, nameMetrics.height()), Qt::AlignLeft | Qt::AlignTop,
             nameMetrics.elidedText(qs(L("Quit %@", {displayName(gain_.name)})), Qt::ElideRight, space));
  p.setFont(wattsFont);
  p.setPen(Palette::tertiaryText().resolve());
  p.drawText(QRectF(left, top + nameMetrics.height() + Space::hair, space, wattsMetrics.height()), Qt::AlignLeft | Qt::AlignTop,
             wattsMetrics.elidedText(qs(L("using about %@ W", {fixed(gain_.watts, 1)})), Qt::ElideRight, space));
  if (focusRingShown(this)) paintFocusRing(p, r, 6);
}

}  // namespace qel
