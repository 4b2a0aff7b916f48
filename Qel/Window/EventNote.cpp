#include "Qel/Window/EventNote.hpp"

#include <QVBoxLayout>

#include "Qel/Kit/Palette.hpp"
#include "Qel/Kit/PlainLabel.hpp"
#include "Qel/Kit/QtString.hpp"
#include "Qel/Text/Format.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

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

}  // namespace qel
