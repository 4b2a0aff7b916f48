#include "Qel/Window/Overview/EventNote.hpp"

#include <QVBoxLayout>

#include "Qel/Kit/QtString.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"
#include "Qel/Text/Format.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

EventNote::EventNote(const DayEvent& event, const std::string& time, const std::optional<DayMark>& before,
                     QWidget* parent)
    : NoteCard(event.isMemory ? Palette::strain() : Palette::warn(), Space::lines, parent) {
  lines()->addWidget(new PlainLabel(qs(L("%@  %@", {time, event.title})), Type::body, QFont::DemiBold, Palette::primaryText(), this));
  auto* detail = new PlainLabel(qs(event.detail), Type::body, QFont::Normal, Palette::secondaryText(), this);
  detail->setWordWrap(true);  // never cut short
  lines()->addWidget(detail);
  if (before) {
    lines()->addSpacing(Space::lines);
    lines()->addWidget(new PlainLabel(qs(L("Just before: %@ %@", {clockFormatter().string(before->date), before->title()})),
                                      Type::footnote, QFont::Normal, Palette::tertiaryText(), this));
  }
}

}  // namespace qel
