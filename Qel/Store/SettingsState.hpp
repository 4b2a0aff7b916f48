#pragma once
// The saved settings, the alert rules and the history's size.
// A read-only view of that part of the store with the notice of its changes: a view given this
// one can read and follow nothing else.
#include "Qel/Store/StorePart.hpp"

namespace qel {

class SettingsState : public StorePart<Concern::settings> {
 public:
  using StorePart::StorePart;

  const std::string& language() const { return store_.language(); }
  const std::set<std::string>& menuItems() const { return store_.menuItems(); }
  const std::string& tabValues() const { return store_.tabValues(); }
  const std::string& menuIconStyle() const { return store_.menuIconStyle(); }
  const std::string& appearance() const { return store_.appearance(); }
  bool dockLoad() const { return store_.dockLoad(); }
  int keepDays() const { return store_.keepDays(); }
  const std::vector<AlertRule>& rules() const { return store_.rules(); }
  const std::map<std::string, Date>& lastFired() const { return store_.lastFired(); }
  int enabledRuleCount() const { return store_.enabledRuleCount(); }
  std::optional<std::string> firedText(const std::string& id) const { return store_.firedText(id); }
  std::uint64_t historySize() const { return store_.historySize(); }
  std::vector<MenuBarPart> menuBarParts() const { return store_.menuBarParts(); }
};

}  // namespace qel
