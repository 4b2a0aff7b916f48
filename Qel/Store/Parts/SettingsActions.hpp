#pragma once
// What the settings change: each is written back at once.
#include <type_traits>
#include <vector>

#include "Qel/Store/AlertRule.hpp"
#include "Qel/Store/Settings.hpp"

namespace qel {

class SettingsActions {
 public:
  virtual ~SettingsActions() = default;

  // Any plain setting (Store/Settings.hpp), brought inside its range.
  template <class T>
  void set(const SettingOf<T>& setting, std::type_identity_t<T> value) {
    setSetting(setting, SettingValue(std::move(value)));
  }
  // A value of another type than the setting's is ignored.
  virtual void setSetting(const SettingDeclaration& setting, SettingValue value) = 0;
  virtual void setRules(std::vector<AlertRule> rules) = 0;
  virtual void toggleMute() = 0;
  // Deletes all stored history; the outcome is a toast.
  virtual void eraseHistory() = 0;
  // Reads the recorded days and the history's size again.
  virtual void refreshHistoryInfo() = 0;
};

}  // namespace qel
