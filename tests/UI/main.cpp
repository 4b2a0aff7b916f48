// The UI tests need one QApplication for the whole run; they draw offscreen.
#include <gtest/gtest.h>

#include <QApplication>

#include "Qel/Kit/Scrollers/ScrollerRestyler.hpp"
#include "tests/support/OwnEnvironment.hpp"

#include <ctime>

int main(int argc, char** argv) {
  qel::test::useOwnEnvironment();
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  // Days and slots are tested in a zone with clock changes; CTest's list of variables for each
  // test reaches the test without this one, so it is the default here.
  if (qgetenv("TZ").isEmpty()) {
    qputenv("TZ", "Europe/Berlin");
    tzset();
  }
  QApplication app(argc, argv);
  // Every view is drawn with the program's own scroll bars, as the program starts them.
  qel::ScrollerRestyler::start();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
