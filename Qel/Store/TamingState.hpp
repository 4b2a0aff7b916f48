#pragma once
// What taming holds, quiet mode, keep awake and mute.
// A read-only view of that part of the store with the notice of its changes: a view given this
// one can read and follow nothing else.
#include "Qel/Store/StorePart.hpp"

namespace qel {

class TamingState : public StorePart<Concern::taming> {
 public:
  using StorePart::StorePart;

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
};

}  // namespace qel
