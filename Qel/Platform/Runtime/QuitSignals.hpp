#pragma once
// Turns SIGTERM, SIGINT and SIGHUP into an ordinary quit, so the program leaves through its
// destructors (and the history writes what is queued) instead of dying where it stands. The
// handler only writes the signal's number into a pipe; the program watches fd() in its event
// loop or asks wait(). A main loop that is stuck (a read that never returns) would never see
// it: onStuck() makes sure the signal still ends the program.
#include <chrono>
#include <functional>
#include <optional>
#include <thread>

namespace qel {

class QuitSignals {
 public:
  QuitSignals();   // installs the handlers; one object at a time
  ~QuitSignals();  // puts the previous handlers back
  QuitSignals(const QuitSignals&) = delete;
  QuitSignals& operator=(const QuitSignals&) = delete;

  // Readable once a quit signal has arrived; -1 when the pipe could not be made.
  int fd() const;
  // The quit signal that arrived, waiting at most `timeout` for one (zero: just look).
  std::optional<int> wait(std::chrono::milliseconds timeout = {});

  // When wait() has not taken a quit signal up `patience` after it came, `lastWords` runs on a
  // thread of its own (the stuck thread's data must be left alone) and the signal then ends the
  // program as it would without a handler. Call once, before signals may come.
  void onStuck(std::chrono::milliseconds patience, std::function<void(int signal)> lastWords);

 private:
  void watch(std::chrono::milliseconds patience, const std::function<void(int)>& lastWords);

  std::thread watcher_;
};

}  // namespace qel
