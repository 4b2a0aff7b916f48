#include "Qel/Pages/Memory/MemoryAdviceRow.hpp"

#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

#include "Qel/Kit/IconCache.hpp"
#include "Qel/Kit/QtString.hpp"
#include "Qel/Kit/Style/Layouts.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/PillButton.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"
#include "Qel/Pages/Memory/MemoryAdviceCard.hpp"
#include "Qel/Platform/Utf8.hpp"
#include "Qel/Store/Parts/ProcessActions.hpp"
#include "Qel/Text/Format.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

MemoryAdviceRow::MemoryAdviceRow(const MemSuggestion& s, const MemoryAdviceLook& look, IconCache& icons,
                                 ProcessActions& actions, QWidget* parent)
    : QWidget(parent), key_(s.key) {
  auto* layout = Layouts::row(this, Space::ml);
  auto* icon = new QWidget(this);
  icon->setFixedSize(look.icon, look.icon);
  icon_ = icons.icon(s.key);
  iconBox_ = icon;
  layout->addWidget(icon, 0, Qt::AlignVCenter);
  auto* words = new QVBoxLayout;
  words->setSpacing(Space::hair);
  name_ = new PlainLabel({}, Type::body, QFont::Medium, Palette::primaryText(), this);
  // One line, cut to its room: a long name never widens the card.
  name_->setElided(true);
  name_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  detail_ = new PlainLabel({}, Type::footnote, QFont::Normal, look.faint, this);
  detail_->setWordWrap(true);
  words->addWidget(name_);
  words->addWidget(detail_);
  if (s.leaking) {
    leak_ = new PlainLabel(qs(L("Memory keeps growing. Reopening it frees the memory.")), Type::footnote, QFont::Normal,
                           look.accent, this);
    leak_->setWordWrap(true);
    words->addWidget(leak_);
  }
  layout->addLayout(words, 1);
  quit_ = new PillButton(qs(L("Quit")), Type::footnote, QFont::Medium, Palette::primaryText(), Palette::adaptiveOpacity(0.08, 0.08),
                         QSize(Space::l, Space::xs), this);
  layout->addWidget(quit_, 0, Qt::AlignVCenter);
  ProcessActions* target = &actions;
  connect(quit_, &QAbstractButton::clicked, this, [target, key = key_] { target->quitApps({key}); });
  setSuggestion(s);
}

void MemoryAdviceRow::setSuggestion(const MemSuggestion& s) {
  // Names come from outside (desktop entries): shown as plain text, one line.
  name_->setText(qs(displayName(s.name)));
  detail_->setText(qs(L("Using %@, %@", {fmtBytes(s.bytes), s.idleText})));
  quit_->setAccessibleName(qs(L("Quit %@", {displayName(s.name)})));
}

QAbstractButton* MemoryAdviceRow::quit() const { return quit_; }

void MemoryAdviceRow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  icon_.paint(&p, iconBox_->geometry());
}

}  // namespace qel
