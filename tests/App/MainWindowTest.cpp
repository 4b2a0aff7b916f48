#include <QPointer>
#include <QThread>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>

#include "Qel/App/AppCommands.hpp"
#include "Qel/App/MainWindow.hpp"
#include "Qel/App/FrontWindowWatch.hpp"
#include "Qel/App/QtDesktop.hpp"
#include "Qel/Window/RootView.hpp"
#include "tests/App/ShellFixture.hpp"
#include "tests/support/XSession.hpp"

using namespace qel;
using test::settle;

namespace {

class MainWindowTest : public test::ShellTest {};

// Runs the event loop until `done` holds, for at most thirty seconds.
template <class F>
bool loopUntil(F done) {
  for (int i = 0; i < 6000 && !done(); ++i) {
    QApplication::processEvents(QEventLoop::AllEvents, 5);
    QThread::msleep(5);
  }
  return done();
}

}  // namespace

TEST_F(MainWindowTest, hasItsNameSizeAndMinimum) {
  MainWindow window(context(), registry);
  EXPECT_EQ(window.objectName(), "main");
  EXPECT_EQ(window.windowTitle(), "Qel");
  EXPECT_EQ(window.size(), QSize(1180, 780));
  EXPECT_EQ(window.minimumSize(), QSize(1040, 700));
  window.show();
  window.resize(600, 400);
  settle();
  EXPECT_EQ(window.size(), QSize(1040, 700));
}

TEST(MainWindowOpening, fitsAShortScreenWithItsFrameNeverBelowTheMinimum) {
  EXPECT_EQ(MainWindow::openingSize({1920, 1040}), MainWindow::kDefaultSize);
  EXPECT_EQ(MainWindow::openingSize({1366, 740}), QSize(1180, 700));
  EXPECT_EQ(MainWindow::openingSize({1280, 760}), QSize(1180, 720));
  EXPECT_EQ(MainWindow::openingSize({1024, 600}), MainWindow::kMinimumSize);
}

TEST_F(MainWindowTest, closingHidesAndDropsTheContentShowingMakesItAgain) {
  MainWindow window(context(), registry);
  int appeared = 0;
  QObject::connect(&window, &MainWindow::appeared, [&] { ++appeared; });
  window.show();
  settle();
  QPointer<RootView> first = window.rootView();
  ASSERT_TRUE(first);
  EXPECT_EQ(appeared, 1);

  EXPECT_TRUE(window.close());
  settle();
  EXPECT_TRUE(window.isHidden());
  EXPECT_EQ(window.rootView(), nullptr);
  EXPECT_FALSE(first);  // gone, not merely hidden
  store->setPage(Page::disk);  // the store lives on and changes with no content to tell
  settle();

  window.show();
  settle();
  ASSERT_NE(window.rootView(), nullptr);
  EXPECT_EQ(window.rootView()->shownPage(), Page::disk);
  EXPECT_EQ(appeared, 2);
}

TEST_F(MainWindowTest, commandsDismissSheetsBeforeOpeningAnotherAndFollowTheLanguage) {
  store->setShowingSettings(true);
  store->setDetailPID(5);
  dismissSheetsThen(*store, main, [this] { store->setShowingLicenses(true); });
  EXPECT_FALSE(store->navigation().showingSettings);
  EXPECT_EQ(store->navigation().detailPID, std::nullopt);
  EXPECT_FALSE(store->navigation().showingLicenses);  // never in the same turn
  QApplication::processEvents();
  EXPECT_TRUE(store->navigation().showingLicenses);

  AppCommands commands;
  EXPECT_EQ(commands.settings()->text(), "Settings…");
  EXPECT_EQ(commands.settings()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Comma));
  EXPECT_FALSE(commands.checkForUpdates()->isEnabled());
  EXPECT_FALSE(commands.whatsNew()->isEnabled());
  EXPECT_TRUE(commands.licenses()->isEnabled());
  Loc::set("de", nullptr);
  commands.retranslate();
  EXPECT_EQ(commands.licenses()->text(), "Open-Source-Lizenzen");
  Loc::set("en", nullptr);
}

TEST(QtExecutor, runsWorkFromAnyThreadOnTheGuiThreadInOrder) {
  QtExecutor executor;
  std::vector<int> ran;
  std::atomic<bool> wrongThread{false};
  const auto gui = QThread::currentThread();
  auto work = [&](int n) {
    return [&, n] {
      if (QThread::currentThread() != gui) wrongThread = true;
      ran.push_back(n);
    };
  };
  std::thread other([&] {
    executor.postAfter(std::chrono::milliseconds(30), work(3));
    executor.post(work(1));
    executor.post(work(2));
  });
  other.join();
  EXPECT_TRUE(ran.empty());  // nothing runs until the loop does
  ASSERT_TRUE(loopUntil([&] { return ran.size() == 3; }));
  EXPECT_EQ(ran, (std::vector<int>{1, 2, 3}));
  EXPECT_FALSE(wrongThread);

  // Work still waiting when the executor goes is dropped.
  bool late = false;
  {
    QtExecutor gone;
    gone.post([&] { late = true; });
    gone.postAfter(std::chrono::milliseconds(1), [&] { late = true; });
  }
  settle();
  EXPECT_FALSE(late);
}

TEST(QtDesktop, readsOnlyPlausibleWindowProperties) {
  const std::uint32_t window[] = {0x3a00007}, none[] = {0}, many[] = {5, 6};
  EXPECT_EQ(firstCardinal(32, window), 0x3a00007u);
  EXPECT_EQ(firstCardinal(32, many), 5u);
  EXPECT_EQ(firstCardinal(8, window), std::nullopt);
  EXPECT_EQ(firstCardinal(32, none), 0u);
  EXPECT_EQ(firstCardinal(32, {}), std::nullopt);
  EXPECT_EQ(pidFromCardinal(4242u), 4242);
  EXPECT_EQ(pidFromCardinal(1u), std::nullopt);  // init is never "the app in front"
  EXPECT_EQ(pidFromCardinal(0x80000000u), std::nullopt);
  EXPECT_EQ(pidFromCardinal(std::nullopt), std::nullopt);
  QtDesktop offscreen;
  EXPECT_EQ(offscreen.frontApp(), FrontApp{});  // no X server to ask
  EXPECT_GE(offscreen.screenCount(), 1);
}

namespace {

// Plays the window manager on its own connection: windows that announce a pid, and the root
// window's active-window property.
struct WindowManagerPlay {
  explicit WindowManagerPlay(xcb_connection_t* c) : c(c), root(xcb_setup_roots_iterator(xcb_get_setup(c)).data->root) {}
  xcb_atom_t atom(const char* name) {
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::uint16_t(std::strlen(name)), name), nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
  }
  xcb_window_t window(std::uint32_t pid) {
    const xcb_window_t w = xcb_generate_id(c);
    xcb_create_window(c, XCB_COPY_FROM_PARENT, w, root, 0, 0, 10, 10, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                      XCB_COPY_FROM_PARENT, 0, nullptr);
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, atom("_NET_WM_PID"), XCB_ATOM_CARDINAL, 32, 1, &pid);
    return w;
  }
  void activate(xcb_window_t w) {
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, root, atom("_NET_ACTIVE_WINDOW"), XCB_ATOM_WINDOW, 32, 1, &w);
    sync();
  }
  void sync() { std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr)); }
  xcb_connection_t* c;
  xcb_window_t root;
};

// Hands the watch every event its connection has, once the server has sent them.
void pump(xcb_connection_t* c, FrontWindowWatch& watch) {
  std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
  while (xcb_generic_event_t* event = xcb_poll_for_event(c)) {
    watch.see(event);
    std::free(event);
  }
}

}  // namespace

TEST(FrontWindowWatch, followsTheActiveWindowAsTheWindowManagerChangesIt) {
  test::VirtualScreen screen("640x480x24");
  ASSERT_FALSE(screen.display.empty());
  xcb_connection_t* ours = xcb_connect(screen.display.c_str(), nullptr);
  xcb_connection_t* theirs = xcb_connect(screen.display.c_str(), nullptr);
  ASSERT_FALSE(xcb_connection_has_error(ours));
  ASSERT_FALSE(xcb_connection_has_error(theirs));
  WindowManagerPlay wm(theirs);
  const xcb_window_t editor = wm.window(4242), player = wm.window(4343);

  FrontWindowWatch watch(ours);
  EXPECT_EQ(watch.front(), FrontApp{});  // no window manager has said anything yet
  wm.activate(editor);
  pump(ours, watch);
  EXPECT_EQ(watch.front(), FrontApp::process(4242));
  wm.activate(player);
  pump(ours, watch);
  EXPECT_EQ(watch.front(), FrontApp::process(4343));
  wm.activate(XCB_WINDOW_NONE);  // the desktop clicked
  pump(ours, watch);
  EXPECT_EQ(watch.front(), FrontApp::nothing());

  // Asked on every tick between two changes, it asks the server nothing.
  const unsigned before = xcb_no_operation(ours).sequence;
  for (int i = 0; i < 10; ++i) EXPECT_EQ(watch.front(), FrontApp::nothing());
  EXPECT_EQ(xcb_no_operation(ours).sequence, before + 1);

  // A window manager that goes takes its property with it: nobody says what is in front.
  xcb_delete_property(theirs, wm.root, wm.atom("_NET_ACTIVE_WINDOW"));
  wm.sync();
  pump(ours, watch);
  EXPECT_EQ(watch.front(), FrontApp{});
  xcb_disconnect(theirs);
  xcb_disconnect(ours);
}

TEST_F(MainWindowTest, theWindowIconFollowsTheLoadOnlyWhileTheWindowIsOpen) {
  QtDesktop desktop;
  desktop.setStore(store.get());
  QWidget window;
  desktop.setWindow(&window);
  setLoad(0.6);
  desktop.updateDockIcon(false);
  EXPECT_EQ(desktop.dockPicture(), DockPicture{}) << "drawn for a closed window";
  window.show();
  desktop.updateDockIcon(false);
  EXPECT_GT(desktop.dockPicture().level, 0);
}

TEST(QtDesktop, noActiveWindowMeansNothingInFrontNotUnknown) {
  EXPECT_EQ(frontAppFrom(0x3a00007u, 4242u), FrontApp::process(4242));
  EXPECT_EQ(frontAppFrom(0u, std::nullopt), FrontApp::nothing());  // desktop clicked, all minimised
  EXPECT_EQ(frontAppFrom(std::nullopt, std::nullopt), FrontApp{});  // the window manager doesn't say
  EXPECT_EQ(frontAppFrom(0x3a00007u, std::nullopt), FrontApp{});     // a window without a pid
  EXPECT_EQ(frontAppFrom(0x3a00007u, 1u), FrontApp{});
}

// What QtTest uses to offer a key to the shortcuts first, as a real key press is.
Q_WIDGETS_EXPORT bool qt_sendShortcutOverrideEvent(QObject* o, ulong timestamp, int k, Qt::KeyboardModifiers mods,
                                                   const QString& text, bool autorep, ushort count);

namespace {

// Ctrl+Q as the keyboard sends it: the shortcuts have the first word, then the widget in focus.
void pressCtrlQ(QWidget* widget) {
  const QString text(QChar(0x11));
  if (qt_sendShortcutOverrideEvent(widget, 0, Qt::Key_Q, Qt::ControlModifier, text, false, 1)) return;
  QKeyEvent press(QEvent::KeyPress, Qt::Key_Q, Qt::ControlModifier, text);
  QApplication::sendEvent(widget, &press);
}

}  // namespace

TEST_F(MainWindowTest, ctrlQQuitsOnceFromTheWindowAndFromASheetOverIt) {
  AppCommands commands;
  MainWindow window(context(), registry);
  window.addActions(commands.menu());
  int quits = 0;
  QObject::connect(commands.quit(), &QAction::triggered, [&] { ++quits; });
  window.show();
  window.activateWindow();
  settle();
  pressCtrlQ(window.focusWidget() ? window.focusWidget() : &window);
  EXPECT_EQ(quits, 1);

  store->setShowingSettings(true);
  ASSERT_TRUE(loopUntil([] { return QApplication::activeModalWidget() != nullptr; }));
  QWidget* sheet = QApplication::activeModalWidget();
  sheet->activateWindow();
  settle();
  pressCtrlQ(sheet->focusWidget() ? sheet->focusWidget() : sheet);
  EXPECT_EQ(quits, 2);
  store->setShowingSettings(false);
  settle();
}
