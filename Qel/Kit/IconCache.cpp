#include "Qel/Kit/IconCache.hpp"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPixmap>
#include <QStyle>
#include <cstdlib>

#include "Qel/Platform/Desktop/AppRegistry.hpp"

namespace qel {
namespace {

QStringList dataDirs() {
  QStringList dirs;
  if (const char* home = std::getenv("XDG_DATA_HOME"); home && home[0] == '/') dirs << QString::fromUtf8(home);
  else dirs << QDir::homePath() + "/.local/share";
  const char* system = std::getenv("XDG_DATA_DIRS");
  for (const QString& d : QString::fromUtf8(system && *system ? system : "/usr/local/share:/usr/share").split(':'))
    if (d.startsWith('/')) dirs << d;
  if (!dirs.contains("/usr/share")) dirs << "/usr/share";
  return dirs;
}

QIcon fromIconValue(const std::string& value) {
  if (value.empty()) return {};
  const QString v = QString::fromStdString(value);
  if (v.startsWith('/')) {
    // An absolute Icon is a file of its own.
    if (QFileInfo(v).isFile()) {
      QIcon icon(v);
      if (!icon.availableSizes().isEmpty() || !icon.pixmap(32).isNull()) return icon;
    }
    return {};
  }
  return QIcon::fromTheme(v);
}

QIcon genericProgramIcon() {
  QIcon icon = QIcon::fromTheme("application-x-executable");
  if (icon.isNull() && qobject_cast<QApplication*>(QCoreApplication::instance()))
    icon = QApplication::style()->standardIcon(QStyle::SP_FileIcon);
  if (icon.isNull()) {
    QPixmap blank(32, 32);
    blank.fill(Qt::transparent);
    icon = QIcon(blank);
  }
  return icon;
}

}  // namespace

void addSystemIconPaths() {
  QStringList themes = QIcon::themeSearchPaths();
  QStringList pixmaps = QIcon::fallbackSearchPaths();
  for (const QString& d : dataDirs()) {
    if (!themes.contains(d + "/icons")) themes << d + "/icons";
    if (!pixmaps.contains(d + "/pixmaps")) pixmaps << d + "/pixmaps";
  }
  QIcon::setThemeSearchPaths(themes);
  QIcon::setFallbackSearchPaths(pixmaps);
  // Without a desktop session Qt knows no theme; hicolor is where applications install theirs
  // and Adwaita (when present) has the generic ones.
  if (QIcon::themeName().isEmpty()) QIcon::setThemeName("hicolor");
  if (QIcon::fallbackThemeName().isEmpty() || QIcon::fallbackThemeName() == "hicolor") {
    for (const QString& d : themes)
      if (QFileInfo(d + "/Adwaita/index.theme").isFile()) {
        QIcon::setFallbackThemeName("Adwaita");
        break;
      }
  }
}

IconCache::IconCache(AppRegistry* apps) : apps_(apps) { addSystemIconPaths(); }

QIcon IconCache::forProcess(const std::string& appKey, const std::string& path) {
  return icon(appKey.empty() ? path : appKey);
}

QIcon IconCache::icon(const std::string& keyOrPath) {
  if (const auto it = cache_.find(keyOrPath); it != cache_.end()) return it->second;
  if (auto found = own(keyOrPath)) return cache_.emplace(keyOrPath, std::move(*found)).first->second;
  if (!generic_) generic_ = genericProgramIcon();
  return *generic_;
}

std::optional<QIcon> IconCache::own(const std::string& keyOrPath) const {
  if (!apps_ || keyOrPath.empty()) return std::nullopt;
  const auto table = apps_->table();
  const AppEntry* app = isAppKey(keyOrPath) ? table->byKey(keyOrPath) : table->byExecutable(keyOrPath);
  if (!app) return std::nullopt;
  QIcon icon = fromIconValue(app->icon);
  if (icon.isNull()) return std::nullopt;
  return icon;
}

}  // namespace qel
