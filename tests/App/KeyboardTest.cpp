// Every control of the window, the settings and the tray panel is reached with Tab, each stop
// shows that it holds the focus, and the overview's stops come in the order they stand.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QComboBox>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>

#include "Qel/App/MainViews.hpp"
#include "Qel/App/PanelParts.hpp"
#include "Qel/Kit/Style/Motion.hpp"
#include "Qel/MenuBar/MenuBarPanel.hpp"
#include "Qel/MenuBar/MenuPanel.hpp"
#include "Qel/Sheets/Settings/SettingsSheet.hpp"
#include "Qel/Sheets/Settings/SettingsTabs.hpp"
#include "Qel/Updates/Updater.hpp"
#include "Qel/Window/RootView.hpp"
#include "tests/Window/BusyAfternoon.hpp"
#include "tests/support/SettingsSheetEnv.hpp"

using namespace qel;
using test::BusyAfternoon;

namespace {

bool isControl(QWidget* w) {
  return w->isVisible() && w->isEnabled() && !qobject_cast<QScrollBar*>(w) &&
         (qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractSlider*>(w) ||
          qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractItemView*>(w));
}

QString describe(const QWidget* w) {
  return QString::fromLatin1(w->metaObject()->className()) + " [" + w->accessibleName() + "]";
}

// Whether `stop` looks different while it holds the keyboard's focus than without it.
bool focusShows(QWidget& window, QWidget* stop) {
  for (QWidget* up = stop->parentWidget(); up; up = up->parentWidget())  // in sight, as Tab scrolls it
    if (auto* area = qobject_cast<QScrollArea*>(up)) area->ensureWidgetVisible(stop);
  const QRect around = QRect(stop->mapTo(&window, QPoint(0, 0)), stop->size()).adjusted(-4, -4, 4, 4);
  stop->setFocus(Qt::TabFocusReason);
  BusyAfternoon::settle();
  const QImage focused = window.grab(around).toImage();
  stop->clearFocus();
  BusyAfternoon::settle();
  return focused != window.grab(around).toImage();
}

// Tab once round the window: every control is a stop, and every stop shows its focus. Gives the
// stops in the order Tab met them.
std::vector<QWidget*> expectWalkable(QWidget& window, const std::string& what) {
  window.activateWindow();
  QEvent activate(QEvent::WindowActivate);
  QApplication::sendEvent(&window, &activate);
  BusyAfternoon::settle();
  std::vector<QWidget*> stops;
  for (int i = 0; i < 200; ++i) {
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QApplication::sendEvent(QApplication::focusWidget() ? QApplication::focusWidget() : &window, &tab);
    BusyAfternoon::settle();
    QWidget* now = QApplication::focusWidget();
    if (!now || now->window() != &window || std::find(stops.begin(), stops.end(), now) != stops.end()) break;
    stops.push_back(now);
  }
  EXPECT_FALSE(stops.empty()) << what;
  for (QWidget* w : window.findChildren<QWidget*>())
    if (isControl(w)) {
      EXPECT_NE(std::find(stops.begin(), stops.end(), w), stops.end()) << what << ": Tab never reaches " << describe(w).toStdString();
    }
  for (QWidget* stop : stops)
    EXPECT_TRUE(focusShows(window, stop)) << what << ": no focus shows on " << describe(stop).toStdString();
  return stops;
}

// Where the stop of that accessible name (or the search field, "search") came in the walk.
std::ptrdiff_t stopAt(const std::vector<QWidget*>& stops, const QString& name) {
  return std::find_if(stops.begin(), stops.end(), [&name](QWidget* w) {
           return (qobject_cast<QLineEdit*>(w) ? QStringLiteral("search") : w->accessibleName()) == name;
         }) - stops.begin();
}

}  // namespace

TEST(Keyboard, theWindowsPagesTheSettingsAndTheTrayPanelAreWalkedWholeAndShowTheirFocus) {
  Motion::setEnabled(false);
  BusyAfternoon day;
  Updater updater(day.defaults, {});
  ViewRegistry registry;
  registerMainViews(registry, updater);
  for (const Page page : {Page::overview, Page::cpu, Page::gpu, Page::mem, Page::disk, Page::net, Page::energy}) {
    day.store->setPage(page);
    QWidget window;
    window.resize(1180, 780);
    (new RootView(day.context(), registry, &window))->setGeometry(window.rect());
    window.show();
    const auto stops = expectWalkable(window, "page " + std::to_string(int(page)));
    if (page != Page::overview) continue;
    // In the order they stand: the export button before the ring's switch and stepper, the
    // metric rows before the process table under them.
    EXPECT_LT(stopAt(stops, "Export this day as an image"), stopAt(stops, "Previous day"));
    EXPECT_LT(stopAt(stops, "View Energy"), stopAt(stops, "search"));
    EXPECT_LT(stopAt(stops, "search"), std::ptrdiff_t(stops.size()));
  }
  for (const auto& tab : kSettingsTabs) {
    day.store->setSettingsTab(tab.id);
    SettingsSheet sheet(
        test::settingsEnv(*day.store, updater, [] { return QString(); }, [](const QString&) { return true; }));
    sheet.show();
    expectWalkable(sheet, std::string("settings ") + tab.id);
  }
  PanelCard card;
  card.layout()->addWidget(new MenuPanel(panelParts(*day.store), {}));
  card.adjustSize();
  card.show();
  expectWalkable(card, "panel");
}
