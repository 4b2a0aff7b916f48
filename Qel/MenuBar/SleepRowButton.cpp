#include "Qel/MenuBar/SleepRowButton.hpp"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

#include "Qel/Kit/Elision.hpp"
#include "Qel/Kit/FocusRing.hpp"
#include "Qel/Kit/Fonts.hpp"
#include "Qel/Kit/Glyphs.hpp"
#include "Qel/Kit/PanelStyle.hpp"
#include "Qel/Kit/PlainToolTip.hpp"
#include "Qel/Kit/QtString.hpp"
#include "Qel/Kit/TypeScale.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

SleepRowButton::SleepRowButton(QWidget* parent) : QAbstractButton(parent) {
  setFocusPolicy(Qt::TabFocus);
  setCursor(Qt::PointingHandCursor);
  setAccessibleName(qs(L("View sleep report")));
  setFixedHeight(8 + int(QFontMetricsF(Fonts::text(Type::footnote)).height()) + 8);
  letElide(this);  // the summary is one line; its whole text is the tool tip
}

void SleepRowButton::setSummary(const QString& summary) {
  setText(summary);
  setToolTip(plainToolTip(summary));
}

void SleepRowButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(PanelStyle::shade(0.06));
  p.drawRoundedRect(QRectF(rect()), PanelStyle::kCellRadius, PanelStyle::kCellRadius);
  Glyphs::draw(p, QRectF(11, 0, 14, height()), "moon.fill", Type::body, PanelStyle::warm());
  const QFont view = Fonts::text(Type::footnote, QFont::Medium);
  const QString viewText = qs(L("View"));
  const double viewWidth = QFontMetricsF(view).horizontalAdvance(viewText);
  const double left = 11 + 14 + 8;
  const double right = width() - 11 - viewWidth - 8;
  p.setFont(Fonts::text(Type::footnote));
  p.setPen(PanelStyle::grey());
  p.drawText(QRectF(left, 0, right - left, height()), Qt::AlignLeft | Qt::AlignVCenter,
             QFontMetricsF(Fonts::text(Type::footnote)).elidedText(text(), Qt::ElideRight, std::max(0.0, right - left)));
  p.setFont(view);
  p.setPen(PanelStyle::accent());
  p.drawText(QRectF(width() - 11 - viewWidth, 0, viewWidth + 1, height()), Qt::AlignLeft | Qt::AlignVCenter, viewText);
  if (focusRingShown(this)) paintFocusRing(p, QRectF(rect()), PanelStyle::kCellRadius);
}

}  // namespace qel
