#include "Qel/Platform/QuitSignals.hpp"

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
struct sigaction gPrevious[3];

void onSignal(int sig) {
  const int saved = errno;
  const unsigned char byte = static_cast<unsigned char>(sig);
  // A full pipe already says "quit"; dropping the byte is fine.
  [[maybe_unused]] const ssize_t n = ::write(gWriteEnd.load(), &byte, 1);
  errno = saved;
}

}  // namespace

QuitSignals::QuitSignals() {
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) return;
  gReadEnd = fds[0];
  gWriteEnd = fds[1];
  struct sigaction action {};
  action.sa_handler = onSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int i = 0; i < 3; ++i) ::sigaction(kSignals[i], &action, &gPrevious[i]);
}

QuitSignals::~QuitSignals() {
  if (gReadEnd < 0) return;
  for (int i = 0; i < 3; ++i) ::sigaction(kSignals[i], &gPrevious[i], nullptr);
  ::close(gReadEnd.exchange(-1));
  ::close(gWriteEnd.exchange(-1));
}

int QuitSignals::fd() const { return gReadEnd; }

std::optional<int> QuitSignals::wait(std::chrono::milliseconds timeout) {
  if (gReadEnd < 0) return std::nullopt;
  pollfd p{gReadEnd, POLLIN, 0};
  int rc;
  const int ms = int(std::clamp<long long>(timeout.count(), 0, 24 * 3600 * 1000));
  do rc = ::poll(&p, 1, ms);
  while (rc < 0 && errno == EINTR);
  if (rc <= 0) return std::nullopt;
  unsigned char byte = 0;
  if (::read(gReadEnd, &byte, 1) != 1) return std::nullopt;
  return int(byte);
}

}  // namespace qel
