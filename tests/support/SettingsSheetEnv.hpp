#pragma once
// The settings sheet's parts and doors, all taken from one store as the program does.
#include <functional>
#include <utility>

#include "Qel/Sheets/Settings/SettingsTabs.hpp"
#include "Qel/Store/Store.hpp"

namespace qel::test {

inline SettingsEnv settingsEnv(Store& s, Updater& updater, std::function<QString()> hotKeyProblem,
                               std::function<bool(const QString&)> openFolder) {
  return {SettingsState(s), NavigationState(s), TamingState(s), ProcessState(s),
          LiveState(s),     DayState(s),        InsightState(s), s.changes(Concern::all),
          s,                s,                  s,               updater,
          std::move(hotKeyProblem), std::move(openFolder)};
}

}  // namespace qel::test
