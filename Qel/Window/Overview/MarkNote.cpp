#include "Qel/Window/Overview/MarkNote.hpp"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "Qel/Kit/QtString.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"
#include "Qel/Text/Format.hpp"

namespace qel {

MarkNote::MarkNote(const std::vector<DayMark>& marks, QWidget* parent) : NoteCard(Palette::tertiaryText(), Space::xs, parent) {
  int shown = 0;
  for (const auto& m : marks) {
    if (shown++ == kMostLines) break;
    auto* row = new QHBoxLayout;
    row->setSpacing(Space::ml);
    row->addWidget(new PlainLabel(qs(clockFormatter().string(m.date)), Type::body, QFont::DemiBold, Palette::primaryText(), this),
                   0, Qt::AlignBaseline);
    auto* title = new PlainLabel(qs(m.title()), Type::body, QFont::Normal, Palette::secondaryText(), this);
    row->addWidget(title, 1, Qt::AlignBaseline);
    lines()->addLayout(row);
  }
}

}  // namespace qel
