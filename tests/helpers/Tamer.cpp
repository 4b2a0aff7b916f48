// A child process for the taming exit tests: a store pauses the given process (as a tamed
// app that is not in front), says "paused", and leaves in order on SIGTERM, SIGINT or SIGHUP.
// The parent may instead kill it outright, as a crash would. With "stuck" after the pid, its
// main thread never looks for the signal again, as a main loop caught in a read would.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "Qel/Platform/Proc/ProcessSignals.hpp"
#include "Qel/Platform/Runtime/QuitSignals.hpp"
#include "Qel/Store/Store.hpp"

using namespace qel;

namespace {

class OwnWindowInFront final : public Desktop {
 public:
  FrontApp frontApp() const override { return FrontApp::process(::getpid()); }
  int screenCount() const override { return 1; }
  void applyAppearance(const std::string&) override {}
  void updateDockIcon(bool) override {}
};

}  // namespace

int main(int argc, char** argv) {
  const bool stuck = argc == 4 && std::string_view(argv[3]) == "stuck";
  if (argc != 3 && !stuck) {
    std::fputs("usage: qel_tamer <defaults-file> <pid> [stuck]\n", stderr);
    return 2;
  }
  const auto id = identityOf(std::atoi(argv[2]));
  if (!id) return 3;

  QuitSignals signals;
  Defaults defaults(argv[1]);
  ManualExecutor main(SystemClock::shared());
  OwnWindowInFront desktop;
  StoreServices services;
  services.main = &main;
  services.defaults = &defaults;
  Store store(std::move(services));
  signals.onStuck(std::chrono::milliseconds(300), [&store](int) { store.lastWords(); });
  store.setDesktop(&desktop);
  store.start();

  const std::string key = "/usr/share/applications/sleeper.desktop";
  store.setTame(TameMode::pause, key);
  Snapshot snapshot;
  snapshot.tick = 1;
  snapshot.procs = {ProcInfo{.pid = id->pid, .name = "sleeper", .path = "/usr/bin/sleep", .appKey = key,
                             .startTime = id->startTime}};
  store.apply(snapshot);
  if (store.taming().tamed.count(id->pid) == 0) return 4;
  std::puts("paused");
  std::fflush(stdout);

  if (stuck) {
    ::pause();  // wakes for the signal, and goes back to sleep
    for (;;) ::sleep(60);
  }
  signals.wait(std::chrono::minutes(2));
  store.shutdown();
  return 0;
}
