// Each sheet's header as the screen draws it: whether its close button lies on a faint disc (the
// settings, the export, the reports and a process's detail) or is a bare cross (the release
// notes and the notices), its title's size and weight, and where the export sheet's header
// puts its corner and its line under the title.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDialog>
#include <QScrollArea>

#include <algorithm>
#include <cstdlib>
#include <functional>

#include "Qel/App/MainViews.hpp"
#include "Qel/Kit/Style/Motion.hpp"
#include "Qel/Kit/Widgets/PlainLabel.hpp"
#include "Qel/Sheets/Export/ExportSheet.hpp"
#include "Qel/Store/Store.hpp"
#include "Qel/Updates/Updater.hpp"
#include "Qel/Window/SheetHost.hpp"
#include "tests/support/HostedSheets.hpp"
#include "tests/Window/BusyAfternoon.hpp"
#include "tests/Window/Probe.hpp"

using namespace qel;

namespace {

struct Shown {
  const char* sheet;
  std::function<void(Store&, Updater&)> open;
  bool disc;          // the close button's cross lies on a disc
  QString title;      // the sheet's title, or empty where it is the report's own words
  int titlePixels;
  int titleWeight;
};

QAbstractButton* closeButtonOf(QWidget& sheet) {
  for (auto* b : sheet.findChildren<QAbstractButton*>())
    if (b->accessibleName() == "Close" && b->isVisibleTo(&sheet)) return b;
  return nullptr;
}

PlainLabel* labelReading(QWidget& sheet, const QString& text) {
  for (auto* l : sheet.findChildren<PlainLabel*>())
    if (l->text() == text) return l;
  return nullptr;
}

class SheetHeaders : public ::testing::Test {
 protected:
  void TearDown() override { test::useAppearance("light"); }

  void SetUp() override {
    Motion::setEnabled(false);
    sheets.owner.resize(1180, 780);
  }

  test::BusyAfternoon day;
  test::HostedSheets sheets{day};
  Updater& updater = sheets.updater;
  SheetHost& host = sheets.host;
};

}  // namespace

TEST_F(SheetHeaders, eachCloseButtonAndTitleIsItsSheets) {
  const Shown sheets[] = {
      {"what's new", [](Store&, Updater& u) { u.setShowingWhatsNew(true); }, false, "What's new", 24, QFont::Bold},
      {"licenses", [](Store& s, Updater&) { s.setShowingLicenses(true); }, false, "Open Source Licenses", 24, QFont::Bold},
      {"export", [](Store& s, Updater&) { s.setExporting(s.posterData()); }, true, "Export this day as an image", 20,
       QFont::DemiBold},
      {"settings", [](Store& s, Updater&) { s.openSettings(); }, true, "Settings", 20, QFont::DemiBold},
      {"replay", [](Store& s, Updater&) { s.setIncident(s.insightFindings().insight.analyze(s.clock().now())); }, true,
       {}, 0, 0},
      {"sleep", [](Store& s, Updater&) { s.setSleepReport(s.lastSleep()); }, true, {}, 0, 0},
      {"stretch", [](Store& s, Updater&) { s.setStretchReport(s.stretchLog().stretches.front()); }, true, {}, 0, 0},
      {"process", [](Store& s, Updater&) { s.setDetailPID(4410); }, true, {}, 0, 0},
  };
  for (const auto& shown : sheets) {
    for (const char* appearance : {"light", "dark"}) {
      test::useAppearance(appearance);
      shown.open(*day.store, updater);
      test::BusyAfternoon::settle();
      ASSERT_TRUE(host.dialog()) << shown.sheet;
      QWidget& window = *host.dialog();
      QAbstractButton* close = closeButtonOf(window);
      ASSERT_NE(close, nullptr) << shown.sheet;
      EXPECT_EQ(close->size(), QSize(28, 28)) << shown.sheet;
      // Left of the cross, inside the disc, against the ground just left of the button: the disc
      // is black at 7 % on light, white at 7 % on dark.
      const QImage image = window.grab().toImage();
      const QPoint at = close->mapTo(&window, QPoint(0, 0));
      const QColor inside = image.pixelColor(at + QPoint(5, 14));
      const QColor ground = image.pixelColor(at + QPoint(-3, 14));
      const QColor disc = test::over(ground, std::string_view(appearance) == "light" ? QColor(0, 0, 0) : QColor(255, 255, 255), 0.07);
      EXPECT_TRUE(test::near(inside, shown.disc ? disc : ground, 1))
          << shown.sheet << " in " << appearance << ": " << inside.name().toStdString() << " on "
          << ground.name().toStdString();
      if (!shown.title.isEmpty()) {
        const PlainLabel* title = labelReading(window, shown.title);
        ASSERT_NE(title, nullptr) << shown.sheet;
        EXPECT_EQ(title->font().pixelSize(), shown.titlePixels) << shown.sheet;
        EXPECT_EQ(title->font().weight(), shown.titleWeight) << shown.sheet;
      }
      day.store->setExporting(std::nullopt);
      updater.setShowingWhatsNew(false);
      day.store->setShowingLicenses(false);
      day.store->setShowingSettings(false);
      day.store->setIncident(std::nullopt);
      day.store->setSleepReport(std::nullopt);
      day.store->setStretchReport(std::nullopt);
      day.store->setDetailPID(std::nullopt);
      test::BusyAfternoon::settle();
    }
  }
}

// The export sheet's header: the title over its line, both above the body, inset 24 from the
// sheet's edges like the close button at their end.
TEST_F(SheetHeaders, theExportSheetsLineStandsUnderItsTitle) {
  day.store->setExporting(day.store->posterData());
  test::BusyAfternoon::settle();
  ASSERT_TRUE(host.dialog());
  QWidget& window = *host.dialog();
  QWidget* sheet = window.findChild<ExportSheet*>();
  ASSERT_NE(sheet, nullptr);
  EXPECT_EQ(sheet->width(), 680);
  const PlainLabel* title = labelReading(*sheet, "Export this day as an image");
  const PlainLabel* line = labelReading(*sheet, "Saves the ring for this day as a 1080 × 1080 picture.");
  QAbstractButton* close = closeButtonOf(*sheet);
  ASSERT_TRUE(title && line && close);
  const auto rectIn = [sheet](const QWidget* w) { return QRect(w->mapTo(sheet, QPoint(0, 0)), w->size()); };
  EXPECT_EQ(rectIn(title).left(), 24);
  EXPECT_EQ(rectIn(line).left(), 24);
  EXPECT_EQ(rectIn(close).top(), 24);
  EXPECT_EQ(sheet->width() - 1 - rectIn(close).right(), 24);
  EXPECT_EQ(rectIn(line).top() - rectIn(title).bottom() - 1, 4);
  // Both in the header: neither scrolls with the body.
  for (const auto* area : sheet->findChildren<QScrollArea*>()) {
    EXPECT_FALSE(area->isAncestorOf(title));
    EXPECT_FALSE(area->isAncestorOf(line));
    EXPECT_LT(rectIn(line).bottom(), rectIn(area).top());
  }
  EXPECT_EQ(line->font().pixelSize(), 13);
}

// The bare cross of the release notes and the notices is the larger one (13 points against the
// washed cross's 11), as wide as the two sizes say.
TEST_F(SheetHeaders, theBareCrossIsLargerThanTheWashedOne) {
  // The width of the cross's ink: what stands far from the button's own ground beside it.
  const auto crossWidth = [&] {
    test::BusyAfternoon::settle();
    QAbstractButton* close = host.dialog() ? closeButtonOf(*host.dialog()) : nullptr;
    if (!close) return -1;
    const QImage image = close->grab().toImage();
    const QColor ground = image.pixelColor(5, 14);
    int left = image.width(), right = -1;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (std::abs(image.pixelColor(x, y).lightness() - ground.lightness()) > 60) {
          left = std::min(left, x);
          right = std::max(right, x);
        }
    return right - left + 1;
  };
  updater.setShowingWhatsNew(true);
  const int bare = crossWidth();
  updater.setShowingWhatsNew(false);
  day.store->setExporting(day.store->posterData());
  const int washed = crossWidth();
  ASSERT_GT(washed, 4);
  EXPECT_GT(bare, washed);
  EXPECT_NEAR(bare * 11.0 / washed, 13.0, 1.5) << bare << " against " << washed;
}
