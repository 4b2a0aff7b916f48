// Every sheet as the screen draws its window: frame, scroll area and ground together.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QVBoxLayout>
#include <QScrollArea>
#include <QScrollBar>

#include <cstdlib>
#include <functional>

#include "Qel/Kit/PageMeta.hpp"
#include "Qel/Store/Store.hpp"
#include "tests/support/HostedSheets.hpp"
#include "tests/Window/BusyAfternoon.hpp"
#include "tests/Window/Probe.hpp"

using namespace qel;
using test::BusyAfternoon;

namespace {

struct Request {
  const char* name;
  std::function<void(BusyAfternoon&, Updater&)> open;
};

std::vector<Request> everySheet() {
  return {
      {"whatsNew", [](BusyAfternoon&, Updater& u) { u.setShowingWhatsNew(true); }},
      {"licenses", [](BusyAfternoon& d, Updater&) { d.store->setShowingLicenses(true); }},
      {"exporting", [](BusyAfternoon& d, Updater&) { d.store->setExporting(d.store->posterData()); }},
      {"settings", [](BusyAfternoon& d, Updater&) { d.store->openSettings(); }},
      {"incident",
       [](BusyAfternoon& d, Updater&) {
         d.store->setIncident(d.store->insightFindings().insight.analyze(d.clock.now()));
       }},
      {"sleepReport", [](BusyAfternoon& d, Updater&) { d.store->setSleepReport(d.store->lastSleep()); }},
      {"stretchReport",
       [](BusyAfternoon& d, Updater&) { d.store->setStretchReport(d.store->stretchLog().stretches.front()); }},
      {"processDetail", [](BusyAfternoon& d, Updater&) { d.store->setDetailPID(d.store->visibleProcs().front().pid); }},
  };
}

// How many rows at the foot of `shot` hold nothing but the colour of its last row.
int blankFoot(const QImage& shot) {
  const QColor ground = shot.pixelColor(1, shot.height() - 1);
  for (int y = shot.height() - 1; y >= 0; --y)
    for (int x = 0; x < shot.width(); ++x) {
      const QColor c = shot.pixelColor(x, y);
      if (std::abs(c.red() - ground.red()) + std::abs(c.green() - ground.green()) + std::abs(c.blue() - ground.blue()) > 30)
        return shot.height() - 1 - y;
    }
  return shot.height();
}

}  // namespace

// Each sheet's window is its content and nothing else: Qt's own window grey (or the window colour
// of the palette in force) shows nowhere, not beside the content, not under a scroll area's
// content, not in a strip at an edge; nothing is left to scroll on a screen with room; and below
// the last line there is the sheet's own padding, not blank space.
TEST(SheetWindows, everySheetsWindowIsItsContentOnItsGroundInBothLooks) {
  for (const Request& request : everySheet()) {
    for (const bool light : {true, false}) {
      // The light look as most users have it, following a light desktop with Qt's own palette.
      if (light)
        test::useAppearance("system", 2u);
      else
        test::useAppearance("dark");
      const std::string look = std::string(request.name) + (light ? " light" : " dark");
      BusyAfternoon day;
      day.store->setPage(Page::cpu);  // a ground unlike the palette's window colour in either look
      test::HostedSheets sheets(day);
      request.open(day, sheets.updater);
      BusyAfternoon::settle();
      QDialog* window = sheets.host.dialog();
      ASSERT_NE(window, nullptr) << look;
      auto* scroll = window->findChild<QScrollArea*>();
      ASSERT_NE(scroll, nullptr) << look;
      EXPECT_EQ(window->width(), scroll->widget()->width()) << look;
      EXPECT_EQ(scroll->verticalScrollBar()->maximum(), 0) << look;

      const QImage shot = window->grab().toImage();
      const QRgb grey = QApplication::palette().color(QPalette::Window).rgb();
      int greys = 0;
      for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) greys += shot.pixel(x, y) == grey;
      EXPECT_EQ(greys, 0) << look;
      EXPECT_LE(blankFoot(shot), 30) << look;  // the widest padding under a sheet's last line is 28
    }
  }
  test::useAppearance("light");
}

// A sheet of a fixed width holding a line that would like more: the window keeps the sheet's width.
TEST(SheetWindows, aLongLineNeverWidensTheWindowPastItsSheet) {
  BusyAfternoon day;
  test::HostedSheets sheets(day);
  sheets.registry.setSheetFactory("licenses", [](const ViewContext&, QWidget* parent) {
    auto* sheet = new QWidget(parent);
    auto* column = new QVBoxLayout(sheet);
    column->addWidget(new QLabel(QString(120, u'W'), sheet));
    sheet->setFixedWidth(420);
    return sheet;
  });
  day.store->setShowingLicenses(true);
  BusyAfternoon::settle();
  ASSERT_NE(sheets.host.dialog(), nullptr);
  EXPECT_GT(sheets.host.dialog()->findChild<QScrollArea*>()->widget()->sizeHint().width(), 420);
  EXPECT_EQ(sheets.host.dialog()->width(), 420);
}
