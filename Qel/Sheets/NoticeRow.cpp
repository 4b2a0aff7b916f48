#include "Qel/Sheets/NoticeRow.hpp"

#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

#include "Qel/Kit/QtString.hpp"
#include "Qel/Kit/Style/FocusRing.hpp"
#include "Qel/Kit/Style/Fonts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

NoticeRow::NoticeRow(const LicenseNotice& notice, QWidget* parent) : QAbstractButton(parent) {
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::TabFocus);
  setAccessibleName(qs(notice.name));
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(Space::l, Space::l, Space::l, Space::l);
  column->setSpacing(Space::lines);
  auto* line = new QHBoxLayout;
  line->setSpacing(Space::m);
  line->addWidget(new PlainLabel(qs(notice.name), Type::body, QFont::DemiBold, Palette::primaryText(), this), 0,
                  Qt::AlignVCenter);
  line->addWidget(new PlainLabel(qs(notice.license), Type::footnote, QFont::Normal, Palette::tertiaryText(), this), 0,
                  Qt::AlignVCenter);
  line->addStretch(1);
  column->addLayout(line);
  auto* credit = new PlainLabel(qs(notice.credit), Type::footnote, QFont::Normal, Palette::secondaryText(), this);
  credit->setWordWrap(true);
  column->addWidget(credit);
  Palette::followAppearance(this);
}

void NoticeRow::setSelected(bool on) {
  if (on == selected_) return;
  selected_ = on;
  update();
}

QSize NoticeRow::sizeHint() const { return layout()->sizeHint(); }

int NoticeRow::heightForWidth(int width) const { return layout()->totalHeightForWidth(width); }

void NoticeRow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const double wash = selected_ ? 0.08 : 0.04;
  p.setPen(focusRingShown(this) ? QPen(Palette::secondaryText().resolve(), 1.5) : Qt::NoPen);
  p.setBrush(Palette::adaptiveOpacity(wash, wash).resolve());
  p.drawRoundedRect(QRectF(rect()).adjusted(0.75, 0.75, -0.75, -0.75), Radius::card, Radius::card);
}

}  // namespace qel
