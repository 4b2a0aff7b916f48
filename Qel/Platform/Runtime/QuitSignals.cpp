#include "Qel/Platform/Runtime/QuitSignals.hpp"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>

namespace qel {
namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};
std::atomic<int> gReadEnd{-1};
std::atomic<int> gWriteEnd{-1};
// The watcher's own pipe: the signal's number, or 0 to stop watching.
std::atomic<int> gWatchRead{-1};
std::atomic<int> gWatchWrite{-1};
std::atomic<bool> gTakenUp{false};
struct sigaction gPrevious[3];

void onSignal(int sig) {
  const int saved = errno;
  const unsigned char byte = static_cast<unsigned char>(sig);
  // A full pipe already says "quit"; dropping the byte is fine.
  [[maybe_unused]] ssize_t n = ::write(gWriteEnd.load(), &byte, 1);
  if (const int watch = gWatchWrite.load(); watch >= 0) n = ::write(watch, &byte, 1);
  errno = saved;
}

// Reads one byte of `fd`, waiting at most `ms` (negative: for ever); absent on timeout.
std::optional<unsigned char> readByte(int fd, int ms) {
  pollfd p{fd, POLLIN, 0};
  int rc;
  do rc = ::poll(&p, 1, ms);
  while (rc < 0 && errno == EINTR);
  unsigned char byte = 0;
  if (rc <= 0 || ::read(fd, &byte, 1) != 1) return std::nullopt;
  return byte;
}

}  // namespace

QuitSignals::QuitSignals() {
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) return;
  gReadEnd = fds[0];
  gWriteEnd = fds[1];
  gTakenUp = false;
  struct sigaction action {};
  action.sa_handler = onSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int i = 0; i < 3; ++i) ::sigaction(kSignals[i], &action, &gPrevious[i]);
}

QuitSignals::~QuitSignals() {
  if (watcher_.joinable()) {
    const unsigned char stop = 0;
    [[maybe_unused]] const ssize_t n = ::write(gWatchWrite.load(), &stop, 1);
    watcher_.join();
    ::close(gWatchWrite.exchange(-1));
    ::close(gWatchRead.exchange(-1));
  }
  if (gReadEnd < 0) return;
  for (int i = 0; i < 3; ++i) ::sigaction(kSignals[i], &gPrevious[i], nullptr);
  ::close(gReadEnd.exchange(-1));
  ::close(gWriteEnd.exchange(-1));
}

int QuitSignals::fd() const { return gReadEnd; }

std::optional<int> QuitSignals::wait(std::chrono::milliseconds timeout) {
  if (gReadEnd < 0) return std::nullopt;
  const int ms = int(std::clamp<long long>(timeout.count(), 0, 24 * 3600 * 1000));
  const auto byte = readByte(gReadEnd, ms);
  if (!byte) return std::nullopt;
  gTakenUp = true;
  return int(*byte);
}

void QuitSignals::onStuck(std::chrono::milliseconds patience, std::function<void(int)> lastWords) {
  if (gReadEnd < 0 || watcher_.joinable()) return;
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) return;
  gWatchRead = fds[0];
  gWatchWrite = fds[1];
  watcher_ = std::thread([this, patience, lastWords = std::move(lastWords)] { watch(patience, lastWords); });
}

void QuitSignals::watch(std::chrono::milliseconds patience, const std::function<void(int)>& lastWords) {
  const auto sig = readByte(gWatchRead, -1);
  if (!sig || *sig == 0) return;
  // Another signal meanwhile doesn't cut the patience short; taking one up ends the watch.
  const auto deadline = std::chrono::steady_clock::now() + patience;
  while (!gTakenUp) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) {
      if (lastWords) lastWords(*sig);
      ::signal(*sig, SIG_DFL);
      ::raise(*sig);
      ::_exit(128 + *sig);  // a signal that is blocked here still ends the program
    }
    if (const auto more = readByte(gWatchRead, int(std::min<long long>(left.count(), 50))); more && *more == 0) return;
  }
}

}  // namespace qel
