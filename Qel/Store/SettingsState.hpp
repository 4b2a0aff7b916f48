#pragma once
// The saved settings, the alert rules and the history's size.
// A read-only view of that part of the store with the notice of its changes: a view given this
// one can read and follow nothing else.
#include "Qel/Store/StorePart.hpp"

namespace qel {

class SettingsState : public StorePart<Concern::settings> {
 public:
  using StorePart::StorePart;

  const std::string& language() const;
  const std::set<std::string>& menuItems() const;
  const std::string& tabValues() const;
  const std::string& menuIconStyle() const;
  const std::string& appearance() const;
  bool dockLoad() const;
  int keepDays() const;
  const std::vector<AlertRule>& rules() const;
  const std::map<std::string, Date>& lastFired() const;
  int enabledRuleCount() const;
  std::optional<std::string> firedText(const std::string& id) const;
  std::uint64_t historySize() const;
  std::vector<MenuBarPart> menuBarParts() const;
};

}  // namespace qel
