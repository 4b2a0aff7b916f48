#pragma once
// Icons for applications and processes, from the desktop's icon theme. Main thread only.
#include <QIcon>
#include <optional>
#include <string>
#include <unordered_map>

namespace qel {

class AppRegistry;

class IconCache {
 public:
  // Without a registry only the generic program icon is given.
  explicit IconCache(AppRegistry* apps = nullptr);

  // The icon of an application key (its desktop entry's Icon) or of an executable path (the
  // icon of the application that runs it, else the generic program icon); never null. Each
  // icon found is kept for the whole run under the key it was found for. A key without an icon
  // of its own gets the one generic icon and keeps nothing: programs that run once under names
  // of their own (a build's steps) would otherwise add a key each for as long as Qel runs.
  QIcon icon(const std::string& keyOrPath);
  // A process's icon: its application's when it belongs to one, else its program's.
  QIcon forProcess(const std::string& appKey, const std::string& path);
  // How many keys have an icon kept.
  std::size_t size() const { return cache_.size(); }

 private:
  std::optional<QIcon> own(const std::string& keyOrPath) const;

  AppRegistry* apps_;
  std::unordered_map<std::string, QIcon> cache_;
  std::optional<QIcon> generic_;
};

// Puts the system and user icon folders on Qt's theme search path, so theme icons resolve
// without a desktop session too (offscreen, under another desktop). Idempotent.
void addSystemIconPaths();

}  // namespace qel
