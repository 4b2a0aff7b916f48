#pragma once
// What the settings change: each is written back at once.
#include <set>
#include <string>
#include <vector>

#include "Qel/Store/AlertRule.hpp"

namespace qel {

class SettingsActions {
 public:
  virtual ~SettingsActions() = default;

  virtual void setLanguage(std::string language) = 0;
  virtual void setMenuItems(std::set<std::string> items) = 0;
  virtual void setTabValues(std::string style) = 0;
  virtual void setMenuIconStyle(std::string style) = 0;
  virtual void setAppearance(std::string appearance) = 0;
  virtual void setDockLoad(bool on) = 0;
  virtual void setKeepDays(int days) = 0;
  virtual void setRules(std::vector<AlertRule> rules) = 0;
  virtual void toggleMute() = 0;
  // Deletes all stored history; the outcome is a toast.
  virtual void eraseHistory() = 0;
};

}  // namespace qel
