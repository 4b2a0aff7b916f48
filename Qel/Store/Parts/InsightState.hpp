#pragma once
// Findings, the battery forecast and memory advice.
// The store holds this part's state and changes it; a view given the part reads it and follows its
// notice, nothing else.
#include "Qel/Store/Parts/StorePart.hpp"

namespace qel {

struct InsightFindings {
  InsightEngine insight;
  std::vector<Finding> findings;
  bool adviceAtOpen = false;  // the advice state as of the last tick: what the menu panel shows when it opens
};

class InsightState : public StorePart<Concern::insights> {
 public:
  explicit InsightState(const Store& store);

  const InsightEngine& insight() const { return state_.insight; }
  const std::vector<Finding>& findings() const { return state_.findings; }
  std::optional<RuntimeForecast> runtimeForecast() const;
  bool adviceAtOpen() const { return state_.adviceAtOpen; }
  std::vector<MemSuggestion> memorySuggestions() const;

 private:
  const InsightFindings& state_;
};

}  // namespace qel
