#pragma once
// Findings, the battery forecast and memory advice.
// A read-only view of that part of the store with the notice of its changes: a view given this
// one can read and follow nothing else.
#include "Qel/Store/StorePart.hpp"

namespace qel {

class InsightState : public StorePart<Concern::insights> {
 public:
  using StorePart::StorePart;

  const InsightEngine& insight() const { return store_.insight(); }
  const std::vector<Finding>& findings() const { return store_.findings(); }
  std::optional<RuntimeForecast> runtimeForecast() const { return store_.runtimeForecast(); }
  bool adviceAtOpen() const { return store_.adviceAtOpen(); }
  std::vector<MemSuggestion> memorySuggestions() const { return store_.memorySuggestions(); }
};

}  // namespace qel
