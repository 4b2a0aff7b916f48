#pragma once
// The bodies of the settings tabs. Each is built for the tab on show and re-reads the store
// through its TabBody on every change.
#include <QString>

#include <cstdint>
#include <functional>
#include <string>


namespace qel {

class Store;

class TabBody;
class Updater;

// What the tabs reach outside the store.
struct SettingsEnv {
  Store& store;
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
