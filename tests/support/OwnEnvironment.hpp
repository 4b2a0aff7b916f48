#pragma once
// Each test process starts in surroundings of its own, whatever the machine or the desktop it is
// run from: a fresh home and XDG folders, no installed applications or settings of the
// machine's, English, and no display or bus to reach the desktop's services through. A test
// that needs a bus starts its own (PrivateBus); one that needs a display starts Xvfb.
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/support/TempDir.hpp"

namespace qel::test {

inline void useOwnEnvironment() {
  static const TempDir root;  // goes with the test process
  const auto folder = [](const char* name) {
    const auto path = root / name;
    std::filesystem::create_directories(path);
    ::chmod(path.c_str(), 0700);
    return path.string();
  };
  setenv("HOME", folder("home").c_str(), 1);
  setenv("XDG_CONFIG_HOME", folder("home/.config").c_str(), 1);
  setenv("XDG_DATA_HOME", folder("home/.local/share").c_str(), 1);
  setenv("XDG_STATE_HOME", folder("home/.local/state").c_str(), 1);
  setenv("XDG_CACHE_HOME", folder("home/.cache").c_str(), 1);
  setenv("XDG_RUNTIME_DIR", folder("run").c_str(), 1);
  // The machine's desktop entries and their settings: none.
  setenv("XDG_DATA_DIRS", folder("share").c_str(), 1);
  setenv("XDG_CONFIG_DIRS", folder("xdg").c_str(), 1);
  // Both buses lead nowhere until a test starts one of its own.
  const std::string noBus = "unix:path=" + (root / "no-bus").string();
  setenv("DBUS_SESSION_BUS_ADDRESS", noBus.c_str(), 1);
  setenv("DBUS_SYSTEM_BUS_ADDRESS", noBus.c_str(), 1);
  for (const char* name :
       {"DISPLAY", "WAYLAND_DISPLAY", "XDG_CURRENT_DESKTOP", "XDG_SESSION_DESKTOP", "XDG_SESSION_TYPE",
        "DESKTOP_SESSION", "GIO_LAUNCHED_DESKTOP_FILE", "GIO_LAUNCHED_DESKTOP_FILE_PID", "QT_QPA_PLATFORMTHEME",
        "QT_STYLE_OVERRIDE", "QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_AUTO_SCREEN_SCALE_FACTOR",
        "QT_ENABLE_HIGHDPI_SCALING", "QT_FONT_DPI", "LANGUAGE", "LC_ALL", "LC_MESSAGES"})
    unsetenv(name);
  setenv("LANG", "C.UTF-8", 1);
}

}  // namespace qel::test
