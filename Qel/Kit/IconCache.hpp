#pragma once
// Icons for applications and processes, from the desktop's icon theme. Main thread only.
#include <QIcon>
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
  // key is resolved once and kept for the whole run.
  QIcon icon(const std::string& keyOrPath);
  // A process's icon: its application's when it belongs to one, else its program's.
  QIcon forProcess(const std::string& appKey, const std::string& path);

 private:
  QIcon resolve(const std::string& keyOrPath) const;

  AppRegistry* apps_;
  std::unordered_map<std::string, QIcon> cache_;
};

// Puts the system and user icon folders on Qt's theme search path, so theme icons resolve
// without a desktop session too (offscreen, under another desktop). Idempotent.
void addSystemIconPaths();

}  // namespace qel
