#include "Qel/Window/NoteCards.hpp"

#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include "Qel/Text/Format.hpp"
#include "Qel/Text/Loc.hpp"
#include "Qel/Window/Palette.hpp"
#include "Qel/Window/PlainLabel.hpp"
#include "Qel/Window/QtString.hpp"

namespace qel {

namespace {
}  // namespace

NoteCard::NoteCard(AdaptiveColor stripe, int spacing, QWidget* parent)
    : QWidget(parent), stripe_(std::move(stripe)), lines_(new QVBoxLayout(this)) {
  lines_->setContentsMargins(3 + 14, 12, 14, 12);
  lines_->setSpacing(spacing);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Minimum);
  Palette::followAppearance(this);
}

void NoteCard::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath card;
  card.addRoundedRect(QRectF(rect()), 12, 12);
  p.setClipPath(card);
  p.fillRect(rect(), Palette::adaptiveOpacity(0.045, 0.045).resolve());
  p.fillRect(QRect(0, 0, 3, height()), stripe_.resolve());
}

EventNote::EventNote(const DayEvent& event, const std::string& time, const std::optional<DayMark>& before,
                     QWidget* parent)
    : NoteCard(event.isMemory ? Palette::strain() : Palette::warn(), 3, parent) {
  lines()->addWidget(new PlainLabel(qs(L("%@  %@", {time, event.title})), 13, QFont::DemiBold, Palette::primaryText(), this));
  auto* detail = new PlainLabel(qs(event.detail), 13, QFont::Normal, Palette::secondaryText(), this);
  detail->setWordWrap(true);  // never cut short
  lines()->addWidget(detail);
  if (before) {
    lines()->addSpacing(3);
    lines()->addWidget(new PlainLabel(qs(L("Just before: %@ %@", {clockFormatter().string(before->date), before->title()})),
                                      12, QFont::Normal, Palette::tertiaryText(), this));
  }
}

MarkNote::MarkNote(const std::vector<DayMark>& marks, QWidget* parent) : NoteCard(Palette::tertiaryText(), 4, parent) {
  int shown = 0;
  for (const auto& m : marks) {
    if (shown++ == kMostLines) break;
    auto* row = new QHBoxLayout;
    row->setSpacing(10);
    row->addWidget(new PlainLabel(qs(clockFormatter().string(m.date)), 13, QFont::DemiBold, Palette::primaryText(), this),
                   0, Qt::AlignBaseline);
    auto* title = new PlainLabel(qs(m.title()), 13, QFont::Normal, Palette::secondaryText(), this);
    row->addWidget(title, 1, Qt::AlignBaseline);
    lines()->addLayout(row);
  }
}

}  // namespace qel
