#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>

#include "Qel/Kit/IconCache.hpp"
#include "Qel/Platform/Desktop/AppRegistry.hpp"
#include "tests/support/TempDir.hpp"

using namespace qel;
namespace fs = std::filesystem;

namespace {

// A one-colour PNG, so the icon that was found can be told from any other.
void writePng(const fs::path& file, QColor colour) {
  fs::create_directories(file.parent_path());
  QImage image(48, 48, QImage::Format_ARGB32);
  image.fill(colour);
  ASSERT_TRUE(image.save(QString::fromStdString(file.string()), "PNG"));
}

QColor centre(const QIcon& icon) { return icon.pixmap(48, 48).toImage().pixelColor(24, 24); }

}  // namespace

TEST(IconCache, resolvesAppKeysAndProgramsFromTheTheme) {
  test::TempDir dir;
  // An icon theme of its own, searched like the system's.
  dir.write("icons/hicolor/index.theme",
            "[Icon Theme]\nName=Hicolor\nDirectories=48x48/apps\n\n[48x48/apps]\nSize=48\nContext=Applications\n"
            "Type=Fixed\n");
  writePng(dir / "icons/hicolor/48x48/apps/qel-test-viewer.png", Qt::red);
  writePng(dir / "pictures/own.png", Qt::blue);
  QIcon::setThemeSearchPaths(QIcon::themeSearchPaths() << QString::fromStdString((dir / "icons").string()));

  const auto viewer = fs::canonical(dir.write("bin/viewer", "#!/bin/true\n")).string();
  const auto other = fs::canonical(dir.write("bin/other", "#!/bin/true\n")).string();
  dir.write("share/applications/viewer.desktop",
            "[Desktop Entry]\nType=Application\nName=Viewer\nExec=" + viewer + "\nIcon=qel-test-viewer\n");
  dir.write("share/applications/own.desktop", "[Desktop Entry]\nType=Application\nName=Own\nExec=" + other +
                                                  "\nIcon=" + (dir / "pictures/own.png").string() + "\n");
  dir.write("share/applications/none.desktop",
            "[Desktop Entry]\nType=Application\nName=None\nExec=/bin/true\nIcon=qel-no-such-icon\n");
  AppRegistry apps({.dataDirs = {dir / "share"}, .locale = "", .searchPath = {}});
  IconCache cache(&apps);
  const auto viewerKey = (dir / "share/applications/viewer.desktop").string();

  EXPECT_EQ(centre(cache.icon(viewerKey)), QColor(Qt::red));                        // app key → theme icon
  EXPECT_EQ(centre(cache.icon(viewer)), QColor(Qt::red));                           // its program → the same
  EXPECT_EQ(centre(cache.icon((dir / "share/applications/own.desktop").string())), QColor(Qt::blue));  // a file
  for (const std::string& key : {(dir / "share/applications/none.desktop").string(), std::string("/usr/sbin/thing"),
                                std::string(), std::string("/x/applications/unknown.desktop")}) {
    EXPECT_FALSE(cache.icon(key).isNull()) << key;  // the generic icon, never nothing
    EXPECT_NE(centre(cache.icon(key)), QColor(Qt::red)) << key;
  }
  // Asked again, the same icon comes back without a new look-up.
  EXPECT_EQ(cache.icon(viewerKey).cacheKey(), cache.icon(viewerKey).cacheKey());
  EXPECT_FALSE(IconCache().icon(viewer).isNull());

  // Programs without an icon of their own, each asked for once (a build's steps under names of
  // their own), share the generic icon and leave nothing behind.
  const std::size_t kept = cache.size();
  const qint64 generic = cache.icon("/usr/sbin/thing").cacheKey();
  for (int i = 0; i < 1000; ++i)
    EXPECT_EQ(cache.icon((dir / ("build/step-" + std::to_string(i))).string()).cacheKey(), generic);
  EXPECT_EQ(cache.size(), kept);
  EXPECT_EQ(centre(cache.icon(viewer)), QColor(Qt::red));
}
