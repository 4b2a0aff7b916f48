#pragma once
// Marked stretches and the one being marked.
// A read-only view of that part of the store with the notice of its changes: a view given this
// one can read and follow nothing else.
#include "Qel/Store/StorePart.hpp"

namespace qel {

class StretchState : public StorePart<Concern::stretches> {
 public:
  using StorePart::StorePart;

  const std::vector<Stretch>& stretches() const { return store_.stretches(); }
  const std::optional<StretchRecorder>& recording() const { return store_.recording(); }
  std::string recordingText() const { return store_.recordingText(); }
  std::vector<Stretch> otherStretches(const Stretch& sameDayAs) const { return store_.otherStretches(sameDayAs); }
  // Of the ring's selected slot: who shows it follows the day too.
  std::optional<Stretch> selectedStretch() const { return store_.selectedStretch(); }
};

}  // namespace qel
