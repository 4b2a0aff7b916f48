#pragma once
// Marked stretches and the one being marked.
// A read-only view of that part of the store, with the notice of its changes: a view given
// this one can read and follow nothing else. One reference wide; copy it freely.
#include "Qel/Store/Store.hpp"

namespace qel {

class StretchState {
 public:
  explicit StretchState(const Store& store) : store_(store) {}

  // Heard once per main-loop turn in which this part changed.
  Notice::Part changed() const { return store_.changes(Concern::stretches); }

  const std::vector<Stretch>& stretches() const { return store_.stretches(); }
  const std::optional<StretchRecorder>& recording() const { return store_.recording(); }
  std::string recordingText() const { return store_.recordingText(); }
  std::vector<Stretch> otherStretches(const Stretch& sameDayAs) const { return store_.otherStretches(sameDayAs); }
  // Of the ring's selected slot: who shows it follows the day too.
  std::optional<Stretch> selectedStretch() const { return store_.selectedStretch(); }

 private:
  const Store& store_;
};

}  // namespace qel
