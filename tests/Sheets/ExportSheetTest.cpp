#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QKeyEvent>

#include <sys/resource.h>

#include <csignal>

#include "Qel/Kit/Charts/ChartKit.hpp"
#include "Qel/Sheets/Export/ExportSheet.hpp"
#include "Qel/Sheets/Export/PosterRing.hpp"
#include "Qel/Kit/Style/Motion.hpp"
#include "Qel/Kit/Style/Palette.hpp"
#include "tests/support/Gallery.hpp"
#include "tests/Window/BusyAfternoon.hpp"
#include "tests/Window/Probe.hpp"
#include "tests/support/TempDir.hpp"
#include "tests/support/HostedSheets.hpp"

using namespace qel;

namespace {

QByteArray readAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

using qel::test::galleryFolder;

}  // namespace

TEST(PosterRing, barsKeepASliverAndTakeTheirColourFromTheUnclampedValue) {
  const PosterRingGeometry g(QSizeF(370, 370));
  EXPECT_DOUBLE_EQ(g.outer, 155);
  EXPECT_NEAR(g.trackInner(1), 0.58 * g.outer, 1e-9);
  EXPECT_DOUBLE_EQ(PosterRingGeometry::slotAngle(-0.5), -Chart::kPi / 2);
  EXPECT_NEAR(PosterRingGeometry::slotAngle(71.5), Chart::kPi / 2, 1e-12);
  EXPECT_DOUBLE_EQ(posterBarShare(0), 0.035);
  EXPECT_DOUBLE_EQ(posterBarShare(1.3), 1);
  EXPECT_DOUBLE_EQ(posterBarShare(std::nan("")), 0.035);
  EXPECT_EQ(posterBarColor(0.88, 1), Palette::strain());
  EXPECT_EQ(posterBarColor(1.3, 0), Palette::strain());
  EXPECT_EQ(posterBarColor(0.7, 0), Palette::warn());
  EXPECT_EQ(posterBarColor(0.69, 0), Palette::cpu());
  EXPECT_EQ(posterBarColor(0.69, 1), Palette::mem());
}

TEST(ExportSheet, savesA1080PixelPictureAndAFailedWriteKeepsTheOldFile) {
  Motion::setEnabled(false);
  test::BusyAfternoon day;
  day.store->setExporting(day.store->posterData());
  ExportSheet sheet(NavigationState(*day.store), DayState(*day.store), *day.store, *day.store->navigation().exporting);
  EXPECT_EQ(sheet.proposedName(), "Qel-2026-06-17.png");

  const QImage image = QImage::fromData(sheet.png(), "PNG");
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.size(), QSize(1080, 1080));

  test::TempDir dir;
  const QString folder = QString::fromStdString(dir.path().string());
  const QString old = folder + "/Qel.png";
  {
    QFile file(old);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("old picture");
  }
  sheet.setAskPath([&](QWidget*, const QString&) { return old; });
  {
    // A disk that takes no more than a few bytes: the write fails half way.
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit small{64, limit.rlim_max};
    setrlimit(RLIMIT_FSIZE, &small);
    sheet.save();
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, previous);
  }
  EXPECT_EQ(day.store->navigation().toast, "Couldn't save the image");
  EXPECT_TRUE(day.store->navigation().exporting);
  EXPECT_EQ(readAll(old), "old picture");
  EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{"Qel.png"});  // no half-written leftovers

  // A cancelled dialog leaves everything as it was.
  sheet.setAskPath([](QWidget*, const QString&) { return QString(); });
  sheet.save();
  EXPECT_TRUE(day.store->navigation().exporting);

  sheet.setAskPath([&](QWidget*, const QString&) { return old; });
  sheet.save();
  EXPECT_EQ(day.store->navigation().toast, "Image saved");
  EXPECT_FALSE(day.store->navigation().exporting);
  EXPECT_EQ(QImage::fromData(readAll(old), "PNG").size(), QSize(1080, 1080));
}

TEST(ExportSheet, itOffersThePicturesFolderAndReturnSaves) {
  Motion::setEnabled(false);
  test::BusyAfternoon day;
  day.store->setExporting(day.store->posterData());
  ExportSheet sheet(NavigationState(*day.store), DayState(*day.store), *day.store, *day.store->navigation().exporting);
  test::TempDir home;
  const QString path = QString::fromStdString(home.path().string());
  const QByteArray oldHome = qgetenv("HOME"), oldConfig = qgetenv("XDG_CONFIG_HOME");
  qputenv("HOME", path.toUtf8());
  qputenv("XDG_CONFIG_HOME", (path + "/config").toUtf8());
  EXPECT_EQ(sheet.proposedPath(), path + "/Qel-2026-06-17.png");  // no pictures folder: home, never the start folder
  // The desktop's own name for it, from the user's folders file.
  QDir(path).mkpath("config");
  QDir(path).mkpath("Bilder");
  QFile dirs(path + "/config/user-dirs.dirs");
  ASSERT_TRUE(dirs.open(QIODevice::WriteOnly));
  dirs.write("XDG_PICTURES_DIR=\"$HOME/Bilder\"\n");
  dirs.close();
  QString offered;
  sheet.setAskPath([&](QWidget*, const QString& proposed) { return offered = proposed; });
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(&sheet, &enter);
  EXPECT_EQ(offered, path + "/Bilder/Qel-2026-06-17.png");
  EXPECT_TRUE(QFileInfo::exists(offered));
  qputenv("HOME", oldHome);
  oldConfig.isEmpty() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", oldConfig);
}

TEST(ExportSheet, theChoicesChangeThePictureAndCopyPutsAPngOnTheClipboard) {
  Motion::setEnabled(false);
  test::BusyAfternoon day;
  day.store->setExporting(day.store->posterData());
  ExportSheet sheet(NavigationState(*day.store), DayState(*day.store), *day.store, *day.store->navigation().exporting);
  const QByteArray sea = sheet.png();
  sheet.appsSwitch()->click();
  EXPECT_FALSE(sheet.options().showApps);
  EXPECT_NE(sheet.png(), sea);
  sheet.copy();
  EXPECT_FALSE(day.store->navigation().exporting);
  EXPECT_TRUE(day.store->navigation().toast == "Copied to the clipboard" ||
              day.store->navigation().toast == "Couldn't copy the image");
}

TEST(ExportSheet, anEmptyDayStillMakesAPicture) {
  PosterData empty;
  empty.buckets.assign(144, std::nullopt);
  const QImage image = QImage::fromData(posterPng(empty, {}), "PNG");
  EXPECT_EQ(image.size(), QSize(1080, 1080));
}

TEST(Gallery, exportSheetAndPoster) {
  Motion::setEnabled(false);
  for (const char* appearance : {"light", "dark"}) {
    test::useAppearance(appearance);
    test::BusyAfternoon day;
    test::HostedSheets sheets(day);
    day.store->setExporting(day.store->posterData());
    test::BusyAfternoon::settle();
    ASSERT_NE(sheets.shown<ExportSheet>(), nullptr);
    test::writeWindowShot(*sheets.shown<ExportSheet>(), QString("export-sheet-%1").arg(appearance));
  }
  test::useAppearance("light");
  test::BusyAfternoon day;
  const PosterData data = day.store->posterData();
  for (const bool sea : {true, false}) {
    const QImage image = QImage::fromData(posterPng(data, {.sea = sea}), "PNG");
    EXPECT_TRUE(image.save(galleryFolder() + (sea ? "/poster-sea.png" : "/poster-ink.png")));
  }
}
