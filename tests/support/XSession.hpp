#pragma once
// What a run of the real program on a virtual X server needs: the server, and the environment
// that gives the program that display, a bus and a home of its own.
#include <sys/stat.h>
#include <sys/wait.h>

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/ChildProcess.hpp"
#include "tests/support/TempDir.hpp"

namespace qel::test {

using Env = std::map<std::string, std::string>;

// The whole output of a short command, or nothing when it fails.
inline std::optional<std::string> commandOutput(const std::vector<std::string>& argv, const Env& env) {
  using namespace std::chrono_literals;
  ChildProcess child(argv, env);
  std::string all;
  while (auto line = child.readLine(5s)) all += *line + "\n";
  const int status = child.stop(0);  // it has closed its output: reap it
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
  return all;
}

// Whether a visible window of the program's has the role `role` (the sheet host names each
// sheet's window so); waits up to `seconds` for one to appear.
inline bool windowWithRoleAppears(const std::string& role, const Env& env, int seconds = 15) {
  using namespace std::chrono_literals;
  const std::string wanted = "WM_WINDOW_ROLE(STRING) = \"" + role + "\"";
  for (int attempt = 0; attempt < seconds * 5; ++attempt) {
    if (const auto ids = commandOutput({"/usr/bin/xdotool", "search", "--onlyvisible", "--name", "^Qel$"}, env)) {
      std::size_t from = 0;
      for (std::size_t end; (end = ids->find('\n', from)) != std::string::npos; from = end + 1) {
        const auto props = commandOutput({"/usr/bin/xprop", "-id", ids->substr(from, end - from), "WM_WINDOW_ROLE"}, env);
        if (props && props->find(wanted) != std::string::npos) return true;
      }
    }
    std::this_thread::sleep_for(200ms);
  }
  return false;
}

// An Xvfb screen of `size` ("1280x800x24"); `display` is empty when it did not start.
struct VirtualScreen {
  explicit VirtualScreen(const char* size)
      : server({"/usr/bin/Xvfb", "-displayfd", "1", "-screen", "0", size, "-nolisten", "tcp"}) {
    using namespace std::chrono_literals;
    if (auto number = server.readLine(20s); number && !number->empty()) display = ":" + *number;
  }
  ChildProcess server;
  std::string display;
};

// The program's environment on `display` with `busAddress` as both its buses, and fresh XDG
// folders under `home`.
inline Env programEnv(const std::string& display, const std::string& busAddress, const TempDir& home) {
  std::filesystem::create_directories(home / "run");
  ::chmod((home / "run").c_str(), 0700);
  return {{"DISPLAY", display},
          {"QT_QPA_PLATFORM", "xcb"},
          {"DBUS_SESSION_BUS_ADDRESS", busAddress},
          {"DBUS_SYSTEM_BUS_ADDRESS", busAddress},
          {"XDG_RUNTIME_DIR", (home / "run").string()},
          {"XDG_DATA_HOME", (home / "data").string()},
          {"XDG_CONFIG_HOME", (home / "config").string()},
          {"HOME", home.path().string()},
          // The X keyboard library copies with strndup from buffers that are not terminated,
          // which the strict string checks take for an overflow.
          {"ASAN_OPTIONS", "detect_leaks=1:strict_string_checks=0"}};
}

}  // namespace qel::test
