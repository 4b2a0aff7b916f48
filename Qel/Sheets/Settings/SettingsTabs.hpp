#pragma once
// The bodies of the settings tabs. Each is built for the tab on show and re-reads the store
// through its TabBody on every change.
#include <QString>

#include <cstdint>
#include <functional>
#include <string>

#include "Qel/Store/Parts/DayState.hpp"
#include "Qel/Store/Parts/InsightState.hpp"
#include "Qel/Store/Parts/LiveState.hpp"
#include "Qel/Store/Parts/NavigationState.hpp"
#include "Qel/Store/Parts/Navigator.hpp"
#include "Qel/Store/Parts/ProcessActions.hpp"
#include "Qel/Store/Parts/ProcessState.hpp"
#include "Qel/Store/Parts/SettingsActions.hpp"
#include "Qel/Store/Parts/SettingsState.hpp"
#include "Qel/Store/Parts/TamingState.hpp"

namespace qel {

class TabBody;
class Updater;

// What the sheet and its tabs read and do.
struct SettingsEnv {
  SettingsState settings;
  NavigationState navigation;
  TamingState taming;
  ProcessState processes;
  LiveState live;
  DayState day;
  InsightState insight;
  // Every change of the store: the tab on show re-reads all it shows on any.
  Notice::Part changes;
  Navigator& navigator;
  SettingsActions& actions;
  ProcessActions& processActions;
  Updater& updater;
  // The replay hot key's state in words; empty while it works (or no tray item runs).
  std::function<QString()> hotKeyProblem;
  // Opens a folder in the desktop's file manager; false when nothing could open it.
  std::function<bool(const QString&)> openFolder;
};

TabBody* generalTab(const SettingsEnv& env);
TabBody* menuBarTab(const SettingsEnv& env);
TabBody* alertsTab(const SettingsEnv& env);
TabBody* backgroundTab(const SettingsEnv& env);
TabBody* dataTab(const SettingsEnv& env);

// The history's size in words: "less than 1 MB" below one megabyte, where rounding would say 0.
std::string historySizeText(std::uint64_t bytes);

// "4 alerts on. " and how alerts reach the user.
std::string alertsFootnote(int enabled, bool notifications);

}  // namespace qel
