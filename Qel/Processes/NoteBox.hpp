#pragma once
// A profile note on the process sheet: its title over its wrapped detail, on the card whose
// stripe takes the note's tone.
#include "Qel/Kit/Widgets/NoteCard.hpp"
#include "Qel/Processes/ProfileNotes.hpp"

namespace qel {

class NoteBox : public NoteCard {
 public:
  NoteBox(const ProfileNote& note, QWidget* parent = nullptr);
};

}  // namespace qel
