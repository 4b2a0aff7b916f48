#pragma once
// The card that explains a day event on the ring, with the mark just before it.
#include <optional>
#include <string>

#include "Qel/History/DayEvent.hpp"
#include "Qel/History/DayMark.hpp"
#include "Qel/Kit/Widgets/NoteCard.hpp"

namespace qel {

class EventNote : public NoteCard {
  Q_OBJECT

 public:
  EventNote(const DayEvent& event, const std::string& time, const std::optional<DayMark>& before,
            QWidget* parent = nullptr);
};

}  // namespace qel
