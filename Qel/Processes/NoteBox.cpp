#include "Qel/Processes/NoteBox.hpp"

#include <QVBoxLayout>

#include "Qel/Kit/QtString.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "Qel/Kit/Style/Spacing.hpp"
#include "Qel/Kit/Style/TypeScale.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"

namespace qel {

namespace {

AdaptiveColor toneColor(NoteTone tone) {
  switch (tone) {
    case NoteTone::lighter:
      return Palette::calm();
    case NoteTone::heavier:
      return Palette::warn();
    case NoteTone::quiet:
      break;
  }
  return Palette::tertiaryText();
}

}  // namespace

NoteBox::NoteBox(const ProfileNote& note, QWidget* parent) : NoteCard(toneColor(note.tone), Space::lines, parent) {
  lines()->addWidget(new PlainLabel(qs(note.title), Type::body, QFont::DemiBold, Palette::primaryText(), this));
  auto* detail = new PlainLabel(qs(note.detail), Type::body, QFont::Normal, Palette::secondaryText(), this);
  detail->setWordWrap(true);
  lines()->addWidget(detail);
}

}  // namespace qel
