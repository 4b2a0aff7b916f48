#pragma once
// What taming holds, quiet mode, keep awake and mute.
// A read-only view of that part of the store, with the notice of its changes: a view given
// this one can read and follow nothing else. One reference wide; copy it freely.
#include "Qel/Store/Store.hpp"

namespace qel {

class TamingState {
 public:
  explicit TamingState(const Store& store) : store_(store) {}

  // Heard once per main-loop turn in which this part changed.
  Notice::Part changed() const { return store_.changes(Concern::taming); }

  const std::map<std::string, std::string>& tameRules() const { return store_.tameRules(); }
  const std::map<std::int32_t, TamedProc>& tamed() const { return store_.tamed(); }
  const std::map<std::int32_t, TamedProc>& keptSlow() const { return store_.keptSlow(); }
  bool quietOn() const { return store_.quietOn(); }
  const std::set<std::int32_t>& throttled() const { return store_.throttled(); }
  std::optional<Date> awakeUntil() const { return store_.awakeUntil(); }
  bool isMuted() const { return store_.isMuted(); }
  std::optional<Date> mutedUntil() const { return store_.mutedUntil(); }
  std::string awakeNote() const { return store_.awakeNote(); }
  std::string muteNote() const { return store_.muteNote(); }
  std::string quietNote() const { return store_.quietNote(); }

 private:
  const Store& store_;
};

}  // namespace qel
