#pragma once
// The saved settings, the alert rules and the history's size.
// The store holds this part's state and changes it; a view given the part reads it and follows its
// notice, nothing else.
#include "Qel/Store/Parts/StorePart.hpp"
#include "Qel/Store/Settings.hpp"

namespace qel {

struct SettingsView {
  std::vector<AlertRule> rules = Rules::defaults();
  std::map<std::string, Date> lastFired;
  std::uint64_t historySize = 0;
  bool notificationsAvailable = false;
};

class SettingsState : public StorePart<Concern::settings> {
 public:
  explicit SettingsState(const Store& store);

  // Any plain setting (Store/Settings.hpp).
  template <class T>
  const T& get(const SettingOf<T>& setting) const {
    return std::get<T>(value(setting));
  }
  const SettingValue& value(const SettingDeclaration& setting) const;
  const std::vector<AlertRule>& rules() const { return state_.rules; }
  const std::map<std::string, Date>& lastFired() const { return state_.lastFired; }
  int enabledRuleCount() const;
  std::optional<std::string> firedText(const std::string& id) const;
  std::uint64_t historySize() const { return state_.historySize; }
  std::vector<MenuBarPart> menuBarParts() const;
  // Whether a desktop notification service takes alerts.
  bool notificationsAvailable() const { return state_.notificationsAvailable; }

 private:
  const SettingsView& state_;
};

}  // namespace qel
