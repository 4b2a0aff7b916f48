// The real program beside a real XEmbed tray (trayer) on a virtual X server: a click on its icon
// opens the panel, a second click closes it once, Escape closes it, and so does Ctrl+Alt+E on its
// way to the replay, which it shows; without a compositor the open panel leaves the screen
// around its rounded corners as it was. Where a StatusNotifierWatcher is on the session bus, the
// item registers with it instead: its label carries the CPU figure, and its menu, read over the
// bus, speaks the saved language from the start.
#include <gtest/gtest.h>

#include <QImage>

#include <sys/stat.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <thread>

#include "tests/support/ChildProcess.hpp"
#include "tests/support/DBusMock.hpp"
#include "tests/support/MockCalls.hpp"
#include "tests/support/TempDir.hpp"
#include "tests/support/XSession.hpp"

using namespace std::chrono_literals;
using qel::test::ChildProcess;

namespace {

using qel::test::Env;

bool run(const std::vector<std::string>& argv, const Env& env, std::string* out = nullptr) {
  const auto all = qel::test::commandOutput(argv, env);
  if (out) *out = all.value_or("");
  return all.has_value();
}

// These runs are about the clicks and the bus, not about what the program frees at exit.
Env trayProgramEnv(const std::string& display, const std::string& address, const qel::test::TempDir& home) {
  Env env = qel::test::programEnv(display, address, home);
  env["ASAN_OPTIONS"] = "detect_leaks=0:strict_string_checks=0";
  return env;
}

bool panelShown(const Env& env) {
  return run({"/usr/bin/xdotool", "search", "--onlyvisible", "--name", "^Qel panel$"}, env);
}

// Whether `done` comes true within a guard generous enough for a loaded machine (a sanitized
// build beside other tests); it is asked every tenth of a second.
template <typename Done>
bool eventually(Done done, std::chrono::seconds guard = 30s) {
  for (const auto end = std::chrono::steady_clock::now() + guard; std::chrono::steady_clock::now() < end;) {
    if (done()) return true;
    std::this_thread::sleep_for(100ms);
  }
  return done();
}

bool panelBecomes(bool shown, const Env& env) {
  return eventually([&] { return panelShown(env) == shown; });
}

// A window's place and size, as xdotool gives them (X, Y, WIDTH, HEIGHT); empty when unknown.
std::map<std::string, int> geometry(const std::string& id, const Env& env) {
  std::string shell;
  std::map<std::string, int> g;
  if (!run({"/usr/bin/xdotool", "getwindowgeometry", "--shell", id}, env, &shell)) return g;
  std::istringstream lines(shell);
  for (std::string line; std::getline(lines, line);)
    if (auto eq = line.find('='); eq != std::string::npos) g[line.substr(0, eq)] = std::atoi(line.c_str() + eq + 1);
  return g;
}

// The item's bus name once it registered with the watcher on `bus`, or "".
std::string registeredItem(qel::test::PrivateBus& bus) {
  qel::Bus client = bus.connect();
  std::vector<std::vector<qel::BusValue>> calls;
  for (int i = 0; i < 100 && calls.empty(); ++i) {
    calls = qel::test::mockCalls(client.get(), "org.kde.StatusNotifierWatcher", "/StatusNotifierWatcher",
                                 "RegisterStatusNotifierItem");
    if (calls.empty()) std::this_thread::sleep_for(200ms);
  }
  return calls.size() == 1 ? qel::test::stringArg(calls[0], 0) : std::string();
}

}  // namespace

TEST(TrayRun, clickOnTheIconTogglesThePanelAndEscapeClosesIt) {
  for (const char* tool : {"/usr/bin/Xvfb", "/usr/bin/xdotool", "/usr/bin/dbus-daemon", "/usr/bin/trayer"})
    ASSERT_TRUE(std::filesystem::exists(tool)) << tool << " is missing: scripts/setup installs it";

  qel::test::VirtualScreen screen("1280x800x24");
  ASSERT_FALSE(screen.display.empty()) << "Xvfb did not start";
  qel::test::TempDir busDir;
  ChildProcess bus(qel::test::privateBusCommand(busDir));
  const auto address = bus.readLine(10s);
  ASSERT_TRUE(address && !address->empty()) << "dbus-daemon did not start";

  qel::test::TempDir home;
  const Env env = trayProgramEnv(screen.display, *address, home);

  // A tray 24 high across the top right of the screen; its one icon sits at its left end.
  ChildProcess tray({"/usr/bin/trayer", "--edge", "top", "--align", "right", "--widthtype", "pixel", "--width", "48",
                     "--height", "24", "--SetDockType", "false", "--SetPartialStrut", "false", "--expand", "false"},
                    env);
  std::this_thread::sleep_for(1s);
  ChildProcess qel({QEL_EXECUTABLE}, env);
  bool windowUp = false;
  for (int i = 0; i < 150 && !windowUp; ++i) {
    windowUp = run({"/usr/bin/xdotool", "search", "--onlyvisible", "--name", "^Qel$"}, env);
    if (!windowUp) std::this_thread::sleep_for(200ms);
  }
  ASSERT_TRUE(windowUp) << "no Qel window appeared";

  // The icon: the small window of the program's that the tray holds, once it has docked.
  std::string icon;
  for (int attempt = 0; attempt < 50 && icon.empty(); ++attempt) {
    std::string ids;
    // Every window: a search by name skips the ones the tray has taken in.
    run({"/usr/bin/xdotool", "search", "--class", ""}, env, &ids);
    std::istringstream list(ids);
    for (std::string id; std::getline(list, id) && icon.empty();) {
      std::string name;
      if (!run({"/usr/bin/xdotool", "getwindowname", id}, env, &name) || name != "Qel\n") continue;
      auto g = geometry(id, env);
      if (g["WIDTH"] >= 8 && g["WIDTH"] <= 64 && g["X"] > 0)
        icon = std::to_string(g["X"] + g["WIDTH"] / 2) + " " + std::to_string(g["Y"] + g["HEIGHT"] / 2);
    }
    if (icon.empty()) std::this_thread::sleep_for(200ms);
  }
  ASSERT_FALSE(icon.empty()) << "the icon did not dock in the tray";
  const std::string x = icon.substr(0, icon.find(' ')), y = icon.substr(icon.find(' ') + 1);
  auto clickIcon = [&] { return run({"/usr/bin/xdotool", "mousemove", x, y, "click", "1"}, env); };
  ASSERT_FALSE(panelShown(env));
  // The main window out of the way, so that only the bare screen lies beneath the panel.
  std::string mains;
  run({"/usr/bin/xdotool", "search", "--onlyvisible", "--name", "^Qel$"}, env, &mains);
  std::istringstream mainIds(mains);
  for (std::string id; std::getline(mainIds, id);)
    if (geometry(id, env)["WIDTH"] > 64) run({"/usr/bin/xdotool", "windowunmap", id}, env);
  std::this_thread::sleep_for(300ms);
  auto grab = [&](const char* name) {
    const auto path = std::filesystem::path(QEL_ARTIFACTS) / name;
    std::filesystem::create_directories(path.parent_path());
    return run({QEL_SCREEN_GRAB, path.string()}, env) ? QImage(QString::fromStdString(path.string())) : QImage();
  };
  const QImage before = grab("tray-run-before.png");
  ASSERT_TRUE(clickIcon());
  EXPECT_TRUE(panelBecomes(true, env)) << "a click on the icon did not open the panel";

  // No compositor runs here: the window is shaped to the card, so the screen just outside its
  // rounded corners is what it was before, and the card itself is drawn.
  std::string panelId;
  ASSERT_TRUE(run({"/usr/bin/xdotool", "search", "--onlyvisible", "--name", "^Qel panel$"}, env, &panelId));
  auto g = geometry(panelId.substr(0, panelId.find('\n')), env);
  ASSERT_GT(g["WIDTH"], 300);
  std::this_thread::sleep_for(500ms);
  const QImage after = grab("tray-run-panel.png");
  ASSERT_FALSE(before.isNull() || after.isNull());
  const int left = g["X"], top = g["Y"], right = left + g["WIDTH"] - 1, bottom = top + g["HEIGHT"] - 1;
  for (const QPoint at : {QPoint(left, top), QPoint(left + 2, top + 3), QPoint(right, top + 3), QPoint(left, bottom),
                          QPoint(right - 1, bottom - 1)})
    EXPECT_EQ(after.pixel(at), before.pixel(at)) << "the panel paints outside its card at " << at.x() << "," << at.y();
  const QPoint middle((left + right) / 2, (top + bottom) / 2);
  EXPECT_NE(after.pixel(middle), before.pixel(middle)) << "the card is not on screen";
  std::this_thread::sleep_for(700ms);  // a second click, not a double click
  ASSERT_TRUE(clickIcon());
  EXPECT_TRUE(panelBecomes(false, env)) << "a second click did not close it";
  std::this_thread::sleep_for(500ms);
  EXPECT_FALSE(panelShown(env)) << "it opened again";

  ASSERT_TRUE(clickIcon());
  ASSERT_TRUE(panelBecomes(true, env));
  std::this_thread::sleep_for(300ms);
  ASSERT_TRUE(run({"/usr/bin/xdotool", "key", "Escape"}, env));
  EXPECT_TRUE(panelBecomes(false, env)) << "Escape did not close the panel";

  // The replay shortcut, from anywhere, closes the panel on its way to the main window.
  ASSERT_TRUE(clickIcon());
  ASSERT_TRUE(panelBecomes(true, env));
  std::this_thread::sleep_for(300ms);
  ASSERT_TRUE(run({"/usr/bin/xdotool", "mousemove", "600", "790", "key", "ctrl+alt+e"}, env));
  EXPECT_TRUE(panelBecomes(false, env)) << "Ctrl+Alt+E did not reach the program";
  EXPECT_TRUE(qel::test::windowWithRoleAppears("incident", env)) << "Ctrl+Alt+E did not show the replay";

  qel.stop(SIGTERM);
}

TEST(TrayRun, registersWithAStatusNotifierWatcherAndItsMenuSpeaksTheSavedLanguage) {
  qel::test::VirtualScreen screen("1280x800x24");
  ASSERT_FALSE(screen.display.empty()) << "Xvfb did not start";
  qel::test::PrivateBus bus;
  ASSERT_TRUE(bus.ok());
  ASSERT_TRUE(bus.startTemplate(std::string(QEL_FIXTURES) + "/dbusmock/status_notifier_watcher.py",
                                "org.kde.StatusNotifierWatcher"));
  qel::test::TempDir home;
  std::filesystem::create_directories(home / "config" / "Qel");
  std::ofstream(home / "config" / "Qel" / "defaults.json") << R"({"qel.language": "de"})";
  const Env env = trayProgramEnv(screen.display, bus.address(), home);
  ChildProcess qel({QEL_EXECUTABLE}, env);
  const std::string item = registeredItem(bus);
  ASSERT_FALSE(item.empty()) << "the item did not register";
  // Its menu as a desktop's tray reads it (dbusmenu), in German from the start: the commands are
  // made after the saved language applies. busctl writes the letters beyond ASCII as escapes.
  std::string layout;
  eventually([&] {
    run({"/usr/bin/busctl", "--address=" + bus.address(), "--", "call", item, "/MenuBar", "com.canonical.dbusmenu",
         "GetLayout", "iias", "0", "-1", "1", "label"},
        env, &layout);
    return layout.find("Beenden") != std::string::npos;
  });
  for (const char* label :
       {"\"Einstellungen ", "\"Nach Updates suchen ", "\"Neuigkeiten\"", "\"Open-Source-Lizenzen\"", "\"Beenden\""})
    EXPECT_NE(layout.find(label), std::string::npos) << label << " is not in the menu:\n" << layout;
  for (const char* english : {"Settings", "Check for Updates", "\"Quit\""})
    EXPECT_EQ(layout.find(english), std::string::npos) << english << " is still English:\n" << layout;

  // The default items, ring and CPU: the figure beside the icon, as wide as it can grow.
  auto itemProperty = [&](const char* name) {
    std::string value;
    run({"/usr/bin/busctl", "--address=" + bus.address(), "get-property", item, "/StatusNotifierItem",
         "org.kde.StatusNotifierItem", name},
        env, &value);
    return value;
  };
  const std::regex percent(R"(s "\d{1,3}%"\n)");
  std::string label;
  eventually([&] { return std::regex_match(label = itemProperty("XAyatanaLabel"), percent); });
  EXPECT_TRUE(std::regex_match(label, percent)) << label;
  EXPECT_EQ(itemProperty("XAyatanaLabelGuide"), "s \"100%\"\n");
  qel.stop(SIGTERM);
}
