#pragma once
// Findings, the battery forecast and memory advice.
// A read-only view of that part of the store, with the notice of its changes: a view given
// this one can read and follow nothing else. One reference wide; copy it freely.
#include "Qel/Store/Store.hpp"

namespace qel {

class InsightState {
 public:
  explicit InsightState(const Store& store) : store_(store) {}

  // Heard once per main-loop turn in which this part changed.
  Notice::Part changed() const { return store_.changes(Concern::insights); }

  const InsightEngine& insight() const { return store_.insight(); }
  const std::vector<Finding>& findings() const { return store_.findings(); }
  std::optional<RuntimeForecast> runtimeForecast() const { return store_.runtimeForecast(); }
  bool adviceAtOpen() const { return store_.adviceAtOpen(); }
  std::vector<MemSuggestion> memorySuggestions() const { return store_.memorySuggestions(); }

 private:
  const Store& store_;
};

}  // namespace qel
