// The real program on a real (virtual) X server: it opens its window, a second start hands its
// replay request to it and the replay is shown, and SIGTERM ends it in order. A screenshot is kept under the build
// folder (artifacts/desktop-run.png) for CI.
#include <gtest/gtest.h>

#include <QImage>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <thread>

#include "Qel/History/HistoryDB.hpp"
#include "Qel/Platform/Files/InstanceLock.hpp"
#include "Qel/Platform/Runtime/Calendar.hpp"
#include "tests/support/ChildProcess.hpp"
#include "tests/support/DBusMock.hpp"
#include "tests/support/TempDir.hpp"
#include "tests/support/XSession.hpp"

using namespace std::chrono_literals;
using qel::test::ChildProcess;

namespace {

using qel::test::Env;
const auto output = qel::test::commandOutput;

bool exitedCleanly(int status) { return WIFEXITED(status) && WEXITSTATUS(status) == 0; }

}  // namespace

TEST(DesktopRun, windowOpensAndASecondStartReachesTheFirst) {
  for (const char* tool : {"/usr/bin/Xvfb", "/usr/bin/xdotool", "/usr/bin/dbus-daemon"})
    ASSERT_TRUE(std::filesystem::exists(tool)) << tool << " is missing: scripts/setup installs it";

  qel::test::VirtualScreen screen("1600x1000x24");
  ASSERT_FALSE(screen.display.empty()) << "Xvfb did not start";
  qel::test::TempDir busDir;
  ChildProcess bus(qel::test::privateBusCommand(busDir));
  const auto address = bus.readLine(10s);
  ASSERT_TRUE(address && !address->empty()) << "dbus-daemon did not start";

  qel::test::TempDir home;
  const Env env = qel::test::programEnv(screen.display, *address, home);

  ChildProcess first({QEL_EXECUTABLE}, env);
  std::string window;
  for (int i = 0; i < 150 && window.empty(); ++i) {
    if (auto found = output({"/usr/bin/xdotool", "search", "--onlyvisible", "--name", "^Qel$"}, env))
      window = found->substr(0, found->find('\n'));
    else std::this_thread::sleep_for(200ms);
  }
  ASSERT_FALSE(window.empty()) << "no Qel window appeared";
  const auto geometry = output({"/usr/bin/xdotool", "getwindowgeometry", "--shell", window}, env);
  ASSERT_TRUE(geometry);
  EXPECT_NE(geometry->find("WIDTH=1180\n"), std::string::npos) << *geometry;
  EXPECT_NE(geometry->find("HEIGHT=780\n"), std::string::npos) << *geometry;

  std::this_thread::sleep_for(1500ms);  // a sample or two, so the glow and the CPU figure are live
  const std::filesystem::path shot = std::filesystem::path(QEL_ARTIFACTS) / "desktop-run.png";
  std::filesystem::create_directories(shot.parent_path());
  ASSERT_TRUE(output({QEL_SCREEN_GRAB, shot.string(), window}, env)) << "no screenshot";
  std::printf("screenshot: %s\n", shot.c_str());
  const QImage picture(QString::fromStdString(shot.string()));
  ASSERT_EQ(picture.size(), QSize(1180, 780));
  // The overview's background, light or dark, far from the glow.
  const QColor corner = picture.pixelColor(1170, 770);
  EXPECT_TRUE(corner == QColor(0xF3, 0xF5, 0xF4) || corner == QColor(0x1B, 0x21, 0x26)) << corner.name().toStdString();

  for (const auto& [argument, heard] : std::vector<std::pair<std::string, std::string>>{
           {"--replay", "qel: replay, asked by another start"}, {"", "qel: show, asked by another start"}}) {
    std::vector<std::string> argv{QEL_EXECUTABLE};
    if (!argument.empty()) argv.push_back(argument);
    EXPECT_TRUE(output(argv, env)) << "the second start failed";
    EXPECT_EQ(first.readLine(10s), heard);
    // The replay is on show: the incident sheet's window is up over the main window.
    if (argument == "--replay") { EXPECT_TRUE(qel::test::windowWithRoleAppears("incident", env)) << "no replay shown"; }
  }

  EXPECT_TRUE(exitedCleanly(first.stop(SIGTERM))) << "SIGTERM did not end it in order";
  // In order: the day as sampled so far was written before the program ended.
  qel::InstanceLock lock(home / "reader.lock");
  qel::HistoryDB history(home / "data" / "Qel", lock);
  const auto day = history.loadDay(qel::dayKey(qel::SystemClock::shared().now()));
  EXPECT_TRUE(std::any_of(day.begin(), day.end(), [](const auto& slot) { return slot && slot->count > 0; }));
}

TEST(DesktopRun, startsWithoutADisplayOnlyWhereNoneIsNeeded) {
  qel::test::TempDir home;
  std::filesystem::create_directories(home / "run");
  ::chmod((home / "run").c_str(), 0700);
  const Env env{{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}, {"QT_QPA_PLATFORM", ""},
                {"XDG_RUNTIME_DIR", (home / "run").string()}, {"XDG_DATA_HOME", (home / "data").string()},
                {"XDG_CONFIG_HOME", (home / "config").string()}};
  struct Case {
    std::vector<std::string> args;
    int exitCode;
  } cases[] = {{{}, 1}, {{"--replay"}, 1}, {{"--version"}, 0}, {{"--help"}, 0}, {{"--frobnicate"}, 2}};
  for (const auto& c : cases) {
    std::vector<std::string> argv{QEL_EXECUTABLE};
    argv.insert(argv.end(), c.args.begin(), c.args.end());
    ChildProcess run(argv, env);
    while (run.readLine(10s)) {}
    const int status = run.stop(0);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by a signal: " << (c.args.empty() ? "" : c.args[0]);
    EXPECT_EQ(WEXITSTATUS(status), c.exitCode) << (c.args.empty() ? "" : c.args[0]);
  }
}

TEST(DesktopRun, withoutAUsableDataFolderItStillRunsAloneAndSaysWhy) {
  namespace fs = std::filesystem;
  // Root may write anywhere: the program runs as an ordinary user then.
  const bool root = ::geteuid() == 0;
  const uid_t nobody = 65534;
  auto asUser = [root](std::vector<std::string> argv) {
    // Its error output joins its output, where the test reads.
    argv.insert(argv.begin(), {"/bin/sh", "-c", "exec \"$0\" \"$@\" 2>&1"});
    if (root) argv.insert(argv.begin(), {"/usr/bin/setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"});
    return argv;
  };
  auto own = [&](const fs::path& path, mode_t mode) {
    fs::create_directories(path);
    if (root) { EXPECT_EQ(::chown(path.c_str(), nobody, nobody), 0); }
    ::chmod(path.c_str(), mode);
  };
  struct Case {
    const char* what;
    std::string dataHome;    // under the home folder
    std::string readOnly;    // a folder made read-only after the rest, under the home folder
    bool earlierLock;        // the data folder holds the lock file of an earlier run
    std::string lock;        // where the first start keeps its lock, under the home folder
    const char* cause;       // what the first start says, among its lines
  } cases[] = {
      {"its parent can't be written", "ro", "ro", false, "run/qel/qel.lock", "Permission denied"},
      {"it can't be written", "data", "data/Qel", true, "data/Qel/qel.lock", "History can't be saved"},
      {"its path is too long for a socket", "data/" + std::string(96, 'd'), "", false,
       "data/" + std::string(96, 'd') + "/Qel/qel.lock", nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    qel::test::TempDir home;
    own(home.path(), 0700);
    for (const char* folder : {"run", "config"}) own(home / folder, 0700);
    own(home / c.dataHome, 0700);
    if (c.earlierLock) {
      own(home / c.dataHome / "Qel", 0700);
      // The lock file of an earlier run, still writable itself.
      const auto lock = home.write(c.dataHome + "/Qel/qel.lock", "");
      if (root) { EXPECT_EQ(::chown(lock.c_str(), nobody, nobody), 0); }
    }
    if (!c.readOnly.empty()) ::chmod((home / c.readOnly).c_str(), 0555);
    const Env env{{"QT_QPA_PLATFORM", "offscreen"},
                  {"HOME", home.path().string()},
                  {"XDG_DATA_HOME", (home / c.dataHome).string()},
                  {"XDG_RUNTIME_DIR", (home / "run").string()},
                  {"XDG_CONFIG_HOME", (home / "config").string()},
                  {"DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent"},
                  {"DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent"}};
    ChildProcess first(asUser({QEL_EXECUTABLE}), env);
    // The second start comes once the first has said where it listens.
    for (int i = 0; i < 300 && qel::InstanceLock::note(home / c.lock).empty(); ++i) std::this_thread::sleep_for(100ms);
    ASSERT_FALSE(qel::InstanceLock::note(home / c.lock).empty()) << "the first start keeps no lock there";
    ChildProcess second(asUser({QEL_EXECUTABLE}), env);
    int status = -1;
    for (int i = 0; i < 300 && ::waitpid(second.pid(), &status, WNOHANG) != second.pid(); ++i)
      std::this_thread::sleep_for(100ms);
    EXPECT_TRUE(exitedCleanly(status)) << "the second start did not reach the first";
    std::string said;
    while (said.find("qel: show, asked by another start") == std::string::npos)
      if (auto line = first.readLine(10s)) said += *line + "\n";
      else break;
    EXPECT_NE(said.find("qel: show, asked by another start"), std::string::npos) << said;
    if (c.cause) { EXPECT_NE(said.find(c.cause), std::string::npos) << said; }
    EXPECT_EQ(said.find("No such file or directory"), std::string::npos) << said;
    first.stop(SIGTERM);
    if (!c.readOnly.empty()) ::chmod((home / c.readOnly).c_str(), 0700);
  }
}
