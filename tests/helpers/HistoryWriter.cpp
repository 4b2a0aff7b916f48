// A child process for the crash and quit tests: writes history rows in a loop and reports each
// row on a pipe. "crash": reports a row once a read has seen it written (the parent kills the
// process at some point). "quit": reports a row as soon as it is queued and leaves in order on
// SIGTERM, SIGINT or SIGHUP.
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "Qel/History/HistoryDB.hpp"
#include "Qel/Platform/Files/InstanceLock.hpp"
#include "Qel/Platform/Runtime/Calendar.hpp"
#include "Qel/Platform/Runtime/QuitSignals.hpp"

using namespace qel;

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fputs("usage: qel_history_writer <lock-file> <folder> <report-fd> crash|quit\n", stderr);
    return 2;
  }
  const int report = std::atoi(argv[3]);
  const bool quit = std::strcmp(argv[4], "quit") == 0;

  QuitSignals signals;
  InstanceLock lock(argv[1]);
  if (!lock.acquired()) return 3;
  HistoryDB db(argv[2], lock, [](const HistoryProblem& p) {
    std::fprintf(stderr, "history problem: %s: %s\n", p.operation.c_str(), p.detail.c_str());
  });
  if (!db.isOpen()) return 4;

  // Queued faster than they are written, so a quit finds writes waiting; capped so that what
  // waits is written well within the closing time.
  constexpr int kQueuedAtMost = 2000;
  for (int i = 0;; ++i) {
    if (quit && i == kQueuedAtMost) {
      signals.wait(std::chrono::minutes(2));
      break;
    }
    const std::string day = *addDays("2024-01-01", i / kSlotsPerDay);
    const int slot = i % kSlotsPerDay;
    db.save(day, slot, DayBucket{double(i), 0.5, 20, 1, "writer", 100, i});
    db.add({{"app-" + std::to_string(i), AppUsage{"App", double(i), 1, 1, 1}, "1"}}, day, slot / 6);
    if (quit) {
      if (signals.wait()) break;
    } else {
      db.loadEvents("none");  // waits for both writes
    }
    const std::string line = std::to_string(i) + "\n";
    if (::write(report, line.data(), line.size()) != ssize_t(line.size())) return 5;
  }
  return 0;
}
