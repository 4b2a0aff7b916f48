#pragma once
// Marked stretches and the one being marked.
// The store holds this part's state and changes it; a view given the part reads it and follows its
// notice, nothing else.
#include "Qel/Store/Parts/StorePart.hpp"

namespace qel {

struct StretchLog {
  std::vector<Stretch> stretches;
  std::optional<StretchRecorder> recording;
};

class StretchState : public StorePart<Concern::stretches> {
 public:
  explicit StretchState(const Store& store);

  const std::vector<Stretch>& stretches() const { return state_.stretches; }
  const std::optional<StretchRecorder>& recording() const { return state_.recording; }
  std::string recordingText() const;
  std::vector<Stretch> otherStretches(const Stretch& sameDayAs) const;
  // Of the ring's selected slot: who shows it follows the day too.
  std::optional<Stretch> selectedStretch() const;

 private:
  const StretchLog& state_;
};

}  // namespace qel
