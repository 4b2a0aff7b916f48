#pragma once
// Marked stretches and the one being marked.
// A read-only view of that part of the store with the notice of its changes: a view given this
// one can read and follow nothing else.
#include "Qel/Store/Parts/StorePart.hpp"

namespace qel {

class StretchState : public StorePart<Concern::stretches> {
 public:
  using StorePart::StorePart;

  const std::vector<Stretch>& stretches() const;
  const std::optional<StretchRecorder>& recording() const;
  std::string recordingText() const;
  std::vector<Stretch> otherStretches(const Stretch& sameDayAs) const;
  // Of the ring's selected slot: who shows it follows the day too.
  std::optional<Stretch> selectedStretch() const;
};

}  // namespace qel
