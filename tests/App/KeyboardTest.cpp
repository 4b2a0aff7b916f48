// Every control of the window, the settings and the tray panel can be reached with Tab, and each
// shows that it holds the focus.
#include <gtest/gtest.h>

#include <QLayout>

#include "Qel/MainViews.hpp"
#include "Qel/MenuBar/MenuBarPanel.hpp"
#include "Qel/MenuBar/MenuPanel.hpp"
#include "Qel/Sheets/SettingsSheet.hpp"
#include "Qel/Sheets/SettingsTabs.hpp"
#include "Qel/Updater.hpp"
#include "Qel/Window/Motion.hpp"
#include "Qel/Window/RootView.hpp"
#include "tests/Window/BusyAfternoon.hpp"
#include "tests/Window/KeyboardWalk.hpp"

using namespace qel;
using namespace qel::test;

namespace {

// Reached: every control is a stop. Seen: every stop shows its focus.
void expectWalkable(QWidget& window, const std::string& what) {
  window.activateWindow();
  QEvent activate(QEvent::WindowActivate);
  QApplication::sendEvent(&window, &activate);
  BusyAfternoon::settle();
  const auto stops = tabStops(&window);
  EXPECT_FALSE(stops.empty()) << what;
  for (QWidget* control : controls(&window))
    EXPECT_NE(std::find(stops.begin(), stops.end(), control), stops.end())
        << what << ": Tab never reaches " << describe(control).toStdString();
  for (QWidget* stop : stops)
    EXPECT_TRUE(focusShows(&window, stop)) << what << ": no focus shows on " << describe(stop).toStdString();
}

}  // namespace

TEST(Keyboard, everyPageOfTheWindowIsWalkable) {
  Motion::setEnabled(false);
  BusyAfternoon day;
  Updater updater(day.defaults, {});
  ViewRegistry registry;
  registerMainViews(registry, updater);
  for (const Page page : {Page::overview, Page::cpu, Page::gpu, Page::mem, Page::disk, Page::net, Page::energy}) {
    day.store->setPage(page);
    QWidget window;
    window.resize(1180, 780);
    auto* root = new RootView(day.context(), registry, &window);
    root->setGeometry(window.rect());
    window.show();
    expectWalkable(window, "page " + std::to_string(int(page)));
  }
}

TEST(Keyboard, everySettingsTabIsWalkable) {
  Motion::setEnabled(false);
  BusyAfternoon day;
  Updater updater(day.defaults, {});
  for (const auto& tab : kSettingsTabs) {
    day.store->setSettingsTab(tab.id);
    SettingsSheet sheet({day.context(), updater, [] { return QString(); }, [](const QString&) { return true; }});
    sheet.show();
    expectWalkable(sheet, std::string("settings ") + tab.id);
  }
}

TEST(Keyboard, theTrayPanelIsWalkable) {
  Motion::setEnabled(false);
  BusyAfternoon day;
  PanelCard card;
  card.layout()->addWidget(new MenuPanel(*day.bridge, {}));
  card.adjustSize();
  card.show();
  expectWalkable(card, "panel");
}
