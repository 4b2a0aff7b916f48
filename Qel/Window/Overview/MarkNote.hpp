#pragma once
// The card that lists the first four marks of a slot on the ring.
#include <vector>

#include "Qel/History/DayMark.hpp"
#include "Qel/Kit/Widgets/NoteCard.hpp"

namespace qel {

class MarkNote : public NoteCard {
  Q_OBJECT

 public:
  static constexpr int kMostLines = 4;
  explicit MarkNote(const std::vector<DayMark>& marks, QWidget* parent = nullptr);
};

}  // namespace qel
