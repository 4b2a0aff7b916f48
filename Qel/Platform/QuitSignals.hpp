#pragma once
// Turns SIGTERM, SIGINT and SIGHUP into an ordinary quit, so the program leaves through its
// destructors (and the history writes what is queued) instead of dying where it stands. The
// handler only writes the signal's number into a pipe; the program watches fd() in its event
// loop or asks wait().
#include <chrono>
#include <optional>

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
};

}  // namespace qel
