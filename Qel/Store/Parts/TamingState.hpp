#pragma once
// What taming holds, quiet mode, keep awake and mute.
// A read-only view of that part of the store with the notice of its changes: a view given this
// one can read and follow nothing else.
#include "Qel/Store/Parts/StorePart.hpp"

namespace qel {

class TamingState : public StorePart<Concern::taming> {
 public:
  using StorePart::StorePart;

  const std::map<std::string, std::string>& tameRules() const;
  const std::map<std::int32_t, TamedProc>& tamed() const;
  const std::map<std::int32_t, TamedProc>& keptSlow() const;
  bool quietOn() const;
  const std::set<std::int32_t>& throttled() const;
  std::optional<Date> awakeUntil() const;
  bool isMuted() const;
  std::optional<Date> mutedUntil() const;
  std::string awakeNote() const;
  std::string muteNote() const;
  std::string quietNote() const;
};

}  // namespace qel
