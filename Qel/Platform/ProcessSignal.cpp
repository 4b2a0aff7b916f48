#include "Qel/Platform/ProcessSignal.hpp"

#include <sys/syscall.h>
#include <unistd.h>

#include <csignal>
#include <string>

#include "Qel/Platform/ProcPidStat.hpp"

namespace qel {
namespace {

class PidFd {
 public:
  explicit PidFd(std::int32_t pid) {
#ifdef SYS_pidfd_open
    fd_ = int(syscall(SYS_pidfd_open, pid, 0));
#endif
  }
  ~PidFd() {
    if (fd_ >= 0) close(fd_);
  }
  PidFd(const PidFd&) = delete;
  PidFd& operator=(const PidFd&) = delete;
  int fd() const { return fd_; }

 private:
  int fd_ = -1;
};

}  // namespace

bool signalProcess(std::int32_t pid, std::uint64_t startTime, int signal, const SysRoot& root) {
  if (pid <= 1 || pid == std::int32_t(getpid())) return false;
  // Opened before the check: if the check passes, the descriptor holds the checked process.
  const PidFd pidfd(pid);
  const auto text = readText(root.proc(std::to_string(pid) + "/stat"), 4096);
  const auto stat = text ? parsePidStat(*text) : std::nullopt;
  if (!stat || stat->startTime != startTime) return false;
#ifdef SYS_pidfd_send_signal
  if (pidfd.fd() >= 0) return syscall(SYS_pidfd_send_signal, pidfd.fd(), signal, nullptr, 0) == 0;
#endif
  return kill(pid, signal) == 0;
}

}  // namespace qel
