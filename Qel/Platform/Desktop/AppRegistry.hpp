#pragma once
// The installed applications, from the desktop entries in the XDG data folders, and which of
// them a process belongs to. An application's key is the path of its desktop entry.
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace qel {

struct AppEntry {
  std::string key;   // the desktop entry's path
  std::string id;    // desktop file id without ".desktop" ("org.gnome.Terminal")
  std::string name;  // localised Name
  std::string icon;  // Icon: a theme icon name or an absolute file
  std::vector<std::string> executables;  // the Exec and TryExec programs, symlinks resolved
  bool noDisplay = false;
  bool operator==(const AppEntry&) const = default;
};

// What is known of a process to tell its application.
struct ProcessFacts {
  std::string launchedDesktopFile;  // GIO_LAUNCHED_DESKTOP_FILE (own processes only)
  bool launchedHere = false;        // GIO_LAUNCHED_DESKTOP_FILE_PID names the process itself
  std::string appUnit;              // systemd application unit of its cgroup
  std::string exe;                  // its executable
  bool operator==(const ProcessFacts&) const = default;
};

struct AppMatch {
  const AppEntry* app = nullptr;
  bool isMain = false;  // the application's own program, not a helper it started
};

// Whether a key is an application's (a desktop entry path) rather than an executable's.
bool isAppKey(std::string_view key);

// One loaded set of entries; never changes once built, so any thread may read it.
class AppTable {
 public:
  AppTable() = default;
  AppTable(std::vector<AppEntry> entries, std::uint64_t generation);

  const std::vector<AppEntry>& entries() const { return entries_; }
  // Counts reloads: a process matched against an older table is matched again.
  std::uint64_t generation() const { return generation_; }

  const AppEntry* byKey(std::string_view key) const;
  const AppEntry* byId(std::string_view id) const;
  const AppEntry* byExecutable(std::string_view exe) const;
  // The launching desktop file first, then the cgroup's application unit, then the executable.
  AppMatch match(const ProcessFacts& facts) const;

 private:
  std::vector<AppEntry> entries_;
  std::map<std::string, std::size_t, std::less<>> byKey_, byId_, byExe_;
  std::uint64_t generation_ = 0;
};

class AppRegistry {
 public:
  struct Options {
    std::vector<std::filesystem::path> dataDirs;  // precedence order; each may hold "applications"
    std::string locale;                           // desktop-entry locale, "de_DE"
    std::vector<std::filesystem::path> searchPath;  // where a bare Exec program is looked up
  };
  // $XDG_DATA_HOME and $XDG_DATA_DIRS, the given language ("de", "pt-BR") and $PATH.
  static Options environmentOptions(std::string_view languageCode);

  explicit AppRegistry(Options options);
  ~AppRegistry();
  AppRegistry(const AppRegistry&) = delete;
  AppRegistry& operator=(const AppRegistry&) = delete;

  // The current entries. Reloads first when an application folder changed since the last call
  // (one non-blocking read of an inotify descriptor), so it is cheap to ask every tick.
  std::shared_ptr<const AppTable> table();
  // Names the entries in another of the program's languages ("de", "pt-BR") from now on: reads
  // them again when that changes their locale.
  void setLanguage(std::string_view languageCode);

 private:
  bool changed();
  void reload();

  Options options_;
  std::mutex mutex_;
  int inotify_ = -1;
  std::map<int, bool> watches_;  // descriptor → watches a data folder (for "applications" appearing)
  std::shared_ptr<const AppTable> table_;
  std::uint64_t generation_ = 0;
};

}  // namespace qel
