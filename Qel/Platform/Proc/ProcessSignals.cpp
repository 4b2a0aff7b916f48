#include "Qel/Platform/Proc/ProcessSignals.hpp"

#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "Qel/Platform/Proc/ProcPidStat.hpp"

namespace qel {
namespace {

std::optional<PidStat> statOf(std::int32_t pid, const SysRoot& root, std::string& text) {
  auto read = readText(root.proc(std::to_string(pid) + "/stat"), 4096);
  if (!read) return std::nullopt;
  text = std::move(*read);
  return parsePidStat(text);
}

// Raw system calls: the C library may be older than the kernel.
int openPidfd(std::int32_t pid) { return int(::syscall(SYS_pidfd_open, pid, 0)); }
int sendThroughPidfd(int fd, int signal) { return int(::syscall(SYS_pidfd_send_signal, fd, signal, nullptr, 0)); }

SignalOutcome outcomeOf(int error) {
  switch (error) {
    case ESRCH: return SignalOutcome::gone;
    case EPERM: return SignalOutcome::denied;
    default: return SignalOutcome::failed;
  }
}

}  // namespace

bool isSignalTarget(std::int32_t pid) { return pid > 1 && pid != ::getpid(); }

std::optional<char> processState(const ProcessIdentity& id, const SysRoot& root) {
  std::string text;
  const auto stat = id.pid > 0 && id.startTime != 0 ? statOf(id.pid, root, text) : std::nullopt;
  if (!stat || stat->startTime != id.startTime) return std::nullopt;
  return stat->state;
}

std::optional<ProcessIdentity> identityOf(std::int32_t pid, const SysRoot& root) {
  std::string text;
  const auto stat = pid > 0 ? statOf(pid, root, text) : std::nullopt;
  if (!stat) return std::nullopt;
  return ProcessIdentity{pid, stat->startTime};
}

SignalOutcome signalProcess(const ProcessIdentity& id, int signal, const SysRoot& root) {
  if (!isSignalTarget(id.pid)) return SignalOutcome::refused;
  if (id.startTime == 0) return SignalOutcome::gone;
  const int fd = openPidfd(id.pid);
  if (fd < 0 && errno == ESRCH) return SignalOutcome::gone;
  // With a pidfd the check below names the process the descriptor holds; without one
  // (an old kernel) only a tiny window between check and kill remains.
  if (!processState(id, root)) {
    if (fd >= 0) ::close(fd);
    return SignalOutcome::gone;
  }
  int rc;
  if (fd >= 0) {
    rc = sendThroughPidfd(fd, signal);
    const int error = errno;
    ::close(fd);
    errno = error;
  } else {
    rc = ::kill(id.pid, signal);
  }
  return rc == 0 ? SignalOutcome::sent : outcomeOf(errno);
}

}  // namespace qel
