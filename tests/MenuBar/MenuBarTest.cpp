// The tray item inside the test (no tray is there under the offscreen platform): its updates,
// its picture and words, its menu, and the window that minimises when there is no tray; and
// the item on a private bus with a StatusNotifierWatcher, read as a tray host reads it.
#include <gtest/gtest.h>

#include <QMessageBox>
#include <QMenu>

#include <thread>

#include "Qel/App/AppCommands.hpp"
#include "Qel/App/MainWindow.hpp"
#include "Qel/App/PanelParts.hpp"
#include "Qel/MenuBar/MenuBar.hpp"
#include "Qel/MenuBar/NotifierParts.hpp"
#include "Qel/Platform/Bus/StatusNotifierItem.hpp"
#include "tests/App/ShellFixture.hpp"
#include "tests/Window/Probe.hpp"
#include "tests/support/DBusMock.hpp"

namespace qel::test {
namespace {

class MenuBarTest : public ShellTest {
 protected:
  MenuBarTest() : window(context(), registry) {
    menuBar = std::make_unique<MenuBar>(panelParts(*store), SettingsState(*store), commands.menu(), window,
                                        MenuBar::Actions{.showMain = [this] { ++shown; }, .replay = [this] { ++replays; }});
    menuBar->connectTray();
    settle();
  }
  ~MenuBarTest() override {
    menuBar.reset();
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->objectName() == "qel.noTray") delete w;
  }

  AppCommands commands;
  MainWindow window;
  std::unique_ptr<MenuBar> menuBar;
  int shown = 0;
  int replays = 0;
};

TEST_F(MenuBarTest, manyStoreChangesInOneTurnMakeOneUpdate) {
  const int before = menuBar->updates();
  for (int i = 0; i < 50; ++i) store->set(Setting::menuIconStyle, i % 2 ? "bars" : "dot");
  for (int i = 0; i < 50; ++i) menuBar->scheduleUpdate();
  settle();
  EXPECT_EQ(menuBar->updates(), before + 1);
  EXPECT_EQ(menuBar->iconStyle(), MenuIconStyle::bars);
}

TEST_F(MenuBarTest, showsTheChosenStyleOrOnlyTextAndAlwaysAToolTip) {
  store->set(Setting::menuItems, {"cpu"});
  setLoad(0.42);
  settle();
  // Text only: no style, the tooltip carries the text.
  EXPECT_EQ(menuBar->iconStyle(), std::nullopt);
  EXPECT_EQ(menuBar->trayIcon()->toolTip(), "42%");
  EXPECT_FALSE(menuBar->trayIcon()->icon().isNull());

  store->set(Setting::menuItems, {"ring", "cpu"});
  store->set(Setting::menuIconStyle, "no such style");
  settle();
  EXPECT_EQ(menuBar->iconStyle(), MenuIconStyle::auto_);

  // Nothing chosen: the icon shows, so the item is never blank.
  store->set(Setting::menuItems, {});
  store->set(Setting::menuIconStyle, "gauge");
  settle();
  EXPECT_EQ(menuBar->iconStyle(), MenuIconStyle::gauge);
  EXPECT_EQ(menuBar->trayIcon()->toolTip(), "Qel");
}

TEST_F(MenuBarTest, theIconIsInkedForTheDesktopsSchemeNotForQelsOwnAppearance) {
  store->set(Setting::menuItems, {});
  store->set(Setting::menuIconStyle, "logo");
  // The mean lightness of the icon's opaque pixels.
  auto inkLightness = [this] {
    const QImage image = menuBar->trayIcon()->icon().pixmap(QSize(64, 64)).toImage();
    double sum = 0;
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (const QColor c = image.pixelColor(x, y); c.alpha() > 200) sum += c.lightnessF(), ++n;
    return n ? sum / n : -1.0;
  };
  useAppearance("dark", 2u);  // Qel dark on a light desktop
  settle();
  EXPECT_LT(inkLightness(), 0.3);
  useAppearance("light", 1u);  // Qel light on a dark desktop
  settle();
  EXPECT_GT(inkLightness(), 0.7);
  useAppearance("light");
}

TEST_F(MenuBarTest, runnersRunOnThroughTicksAndGiveWayToOtherStyles) {
  auto iconWidth = [this] { return menuBar->trayIcon()->icon().availableSizes().value(0).width(); };
  store->set(Setting::menuIconStyle, "cat");
  settle();
  EXPECT_EQ(menuBar->runner().running(), MenuIconStyle::cat);
  EXPECT_EQ(iconWidth(), 28);
  const int frame = menuBar->runner().frame();
  // A tick changes the pace, not the frame shown.
  setLoad(1.0);
  settle();
  EXPECT_EQ(menuBar->runner().speed(), 2.0f);
  EXPECT_EQ(menuBar->runner().frame(), frame);

  store->set(Setting::menuIconStyle, "dog");
  settle();
  EXPECT_EQ(menuBar->runner().running(), MenuIconStyle::dog);
  EXPECT_EQ(iconWidth(), 35);
  store->set(Setting::menuIconStyle, "ring");
  settle();
  EXPECT_EQ(menuBar->runner().running(), std::nullopt);
  EXPECT_EQ(iconWidth(), 18);
}

TEST_F(MenuBarTest, contextMenuOffersThePanelTheWindowTheReplayAndTheCommands) {
  QStringList texts;
  for (QAction* a : menuBar->contextMenu()->actions())
    if (!a->isSeparator()) texts << a->text();
  EXPECT_EQ(texts, (QStringList{"Show panel", "Open Qel", "What just happened", "Settings…", "Check for Updates…",
                                "What's new", "Open Source Licenses", "Quit"}));
  menuBar->contextMenu()->actions()[2]->trigger();
  menuBar->contextMenu()->actions()[1]->trigger();
  EXPECT_EQ(replays, 1);
  EXPECT_EQ(shown, 1);
}

TEST_F(MenuBarTest, panelOpensClosesAndClosesOnEscape) {
  menuBar->toggle();
  ASSERT_NE(menuBar->panel(), nullptr);
  EXPECT_EQ(menuBar->panel()->card()->width(), 384);
  menuBar->toggle();
  EXPECT_EQ(menuBar->panel(), nullptr);

  menuBar->toggle();
  ASSERT_NE(menuBar->panel(), nullptr);
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(menuBar->panel(), &escape);
  EXPECT_EQ(menuBar->panel(), nullptr);

  // The way to the main window closes it too.
  menuBar->toggle();
  menuBar->showMain();
  EXPECT_EQ(menuBar->panel(), nullptr);
  EXPECT_EQ(shown, 1);
}

TEST_F(MenuBarTest, withoutATrayClosingTheWindowMinimisesItAndSaysWhyOnce) {
  ASSERT_FALSE(menuBar->inTray());
  window.show();
  settle();
  auto explanations = [] {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) n += w->objectName() == "qel.noTray" && w->isVisible();
    return n;
  };
  EXPECT_FALSE(window.close());
  settle();
  EXPECT_TRUE(window.isMinimized());
  EXPECT_NE(window.rootView(), nullptr);
  EXPECT_EQ(explanations(), 1);
  window.showNormal();
  EXPECT_FALSE(window.close());
  settle();
  EXPECT_EQ(explanations(), 1);
  // Quitting closes the windows for real, or the quit would be cancelled.
  menuBar->prepareToQuit();
  EXPECT_TRUE(window.close());
}

TEST(NotifierParts, labelsMarkAccessKeysTheBusWayAndPixelsGoUnpremultiplied) {
  EXPECT_EQ(dbusMenuLabel("Save && quit"), "Save & quit");
  EXPECT_EQ(dbusMenuLabel("&Open my_file"), "_Open my__file");
  QImage image(1, 1, QImage::Format_ARGB32_Premultiplied);
  image.setPixelColor(0, 0, QColor(200, 100, 50, 128));
  const TrayPixmap p = trayPixmap(image);
  ASSERT_EQ(p.argb.size(), 4u);
  EXPECT_EQ(p.argb[0], 128);  // alpha first
  EXPECT_NEAR(p.argb[1], 200, 2);
  EXPECT_NEAR(p.argb[2], 100, 2);
  EXPECT_NEAR(p.argb[3], 50, 2);
}

// With a watcher on the session bus the item is Qel's own StatusNotifierItem (its bus side is
// StatusNotifierItemTest's).
class MenuBarOnABusTest : public ShellTest {
 protected:
  MenuBarOnABusTest() : window(context(), registry) {
    watcherUp = bus.ok() && bus.startTemplate(std::string(QEL_FIXTURES) + "/dbusmock/status_notifier_watcher.py",
                                              "org.kde.StatusNotifierWatcher");
    menuBar = std::make_unique<MenuBar>(panelParts(*store), SettingsState(*store), commands.menu(), window,
                                        MenuBar::Actions{});
    menuBar->connectTray();
    waitFor([this] { return menuBar->notifierItem() != nullptr; });
  }
  ~MenuBarOnABusTest() override {
    menuBar.reset();
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->objectName() == "qel.noTray") delete w;
  }

  // Generous: a python watcher on a loaded machine can take seconds to answer.
  template <class Done>
  static bool waitFor(Done done) {
    for (int i = 0; i < 1000 && !done(); ++i) {
      QCoreApplication::processEvents();
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return done();
  }
  const StatusNotifierItem& item() const { return *menuBar->notifierItem(); }
  int iconWidth() const { return item().icon().empty() ? -1 : item().icon()[0].width; }

  PrivateBus bus;
  bool watcherUp = false;
  AppCommands commands;
  MainWindow window;
  std::unique_ptr<MenuBar> menuBar;
};

TEST_F(MenuBarOnABusTest, theLabelCarriesTheChosenFiguresAndFollowsTheSettings) {
  ASSERT_TRUE(watcherUp);
  ASSERT_NE(menuBar->notifierItem(), nullptr) << "the item did not reach the watcher";
  // Qt's own icon would be a second item beside Qel's.
  EXPECT_EQ(menuBar->trayIcon(), nullptr);
  EXPECT_TRUE(menuBar->inTray());

  setLoad(0.23);
  settle();
  EXPECT_EQ(item().label(), "23%");
  EXPECT_EQ(item().guide(), "100%");
  EXPECT_EQ(iconWidth(), 18);

  store->set(Setting::menuItems, {"ring", "cpu", "mem"});
  settle();
  EXPECT_EQ(item().label().rfind("23%  Mem ", 0), 0u) << item().label();
  EXPECT_EQ(item().guide(), "100%  Mem 100%");

  // Text only: the label alone, the icon's place empty.
  store->set(Setting::menuItems, {"cpu"});
  settle();
  EXPECT_EQ(item().label(), "23%");
  EXPECT_EQ(iconWidth(), 1);
  store->set(Setting::menuItems, {});
  settle();
  EXPECT_EQ(item().label(), "");
  EXPECT_EQ(iconWidth(), 18);
}

TEST_F(MenuBarOnABusTest, withoutTheWatcherItFallsBackToQtsTrayIcon) {
  ASSERT_TRUE(watcherUp);
  ASSERT_NE(menuBar->notifierItem(), nullptr);
  bus.stopMocks();
  EXPECT_TRUE(waitFor([this] { return menuBar->trayIcon() != nullptr; }));
  EXPECT_EQ(menuBar->notifierItem(), nullptr);
  setLoad(0.42);
  settle();
  EXPECT_EQ(menuBar->trayIcon()->toolTip(), "42%");
}

}  // namespace
}  // namespace qel::test
