#pragma once
// Findings, the battery forecast and memory advice.
// A read-only view of that part of the store with the notice of its changes: a view given this
// one can read and follow nothing else.
#include "Qel/Store/Parts/StorePart.hpp"

namespace qel {

class InsightState : public StorePart<Concern::insights> {
 public:
  using StorePart::StorePart;

  const InsightEngine& insight() const;
  const std::vector<Finding>& findings() const;
  std::optional<RuntimeForecast> runtimeForecast() const;
  bool adviceAtOpen() const;
  std::vector<MemSuggestion> memorySuggestions() const;
};

}  // namespace qel
