#pragma once
// What taming holds, quiet mode, keep awake and mute.
// The store holds this part's state and changes it; a view given the part reads it and follows its
// notice, nothing else.
#include "Qel/Store/Parts/StorePart.hpp"

namespace qel {

struct Taming {
  std::map<std::string, std::string> tameRules;
  std::map<std::int32_t, TamedProc> tamed;
  // Processes that taming slowed and could not give their priority back (an ordinary user can't
  // lower a nice value again): they stay slowed until they end.
  std::map<std::int32_t, TamedProc> keptSlow;
  bool quietOn = false;
  std::set<std::int32_t> throttled;
  std::optional<Date> awakeUntil;
  std::optional<Date> mutedUntil;
};

class TamingState : public StorePart<Concern::taming> {
 public:
  explicit TamingState(const Store& store);

  const std::map<std::string, std::string>& tameRules() const { return state_.tameRules; }
  const std::map<std::int32_t, TamedProc>& tamed() const { return state_.tamed; }
  const std::map<std::int32_t, TamedProc>& keptSlow() const { return state_.keptSlow; }
  bool quietOn() const { return state_.quietOn; }
  const std::set<std::int32_t>& throttled() const { return state_.throttled; }
  std::optional<Date> awakeUntil() const { return state_.awakeUntil; }
  bool isMuted() const;
  std::optional<Date> mutedUntil() const { return state_.mutedUntil; }
  std::string awakeNote() const;
  std::string muteNote() const;
  std::string quietNote() const;

 private:
  const Taming& state_;
};

}  // namespace qel
