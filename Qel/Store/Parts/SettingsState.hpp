#pragma once
// The saved settings, the alert rules and the history's size.
// A read-only view of that part of the store with the notice of its changes: a view given this
// one can read and follow nothing else.
#include "Qel/Store/Parts/StorePart.hpp"
#include "Qel/Store/Settings.hpp"

namespace qel {

class SettingsState : public StorePart<Concern::settings> {
 public:
  using StorePart::StorePart;

  // Any plain setting (Store/Settings.hpp).
  template <class T>
  const T& get(const SettingOf<T>& setting) const {
    return std::get<T>(value(setting));
  }
  const SettingValue& value(const SettingDeclaration& setting) const;
  const std::vector<AlertRule>& rules() const;
  const std::map<std::string, Date>& lastFired() const;
  int enabledRuleCount() const;
  std::optional<std::string> firedText(const std::string& id) const;
  std::uint64_t historySize() const;
  std::vector<MenuBarPart> menuBarParts() const;
  // Whether a desktop notification service takes alerts.
  bool notificationsAvailable() const;
};

}  // namespace qel
