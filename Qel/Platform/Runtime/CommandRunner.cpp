#include "Qel/Platform/Runtime/CommandRunner.hpp"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <thread>

extern char** environ;

namespace qel {
namespace {

using SteadyClock = std::chrono::steady_clock;

std::vector<std::string> childEnvironment() {
  std::vector<std::string> env;
  for (char** e = environ; e && *e; ++e) {
    std::string_view v(*e);
    if (v.starts_with("LC_ALL=") || v.starts_with("LANGUAGE=")) continue;
    env.emplace_back(v);
  }
  env.emplace_back("LC_ALL=C.UTF-8");
  return env;
}

int remainingMs(SteadyClock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - SteadyClock::now()).count();
  return left < 0 ? 0 : int(left);
}

struct Ending {
  enum class Kind { exited, signaled, killed, lost } kind = Kind::lost;
  int exitCode = -1;
};

// Waits for the child until the deadline, then ends its whole process group (what it forked
// goes with it) and reaps it. The child is looked at without reaping first, so the group id
// can't be reused by another process before the group is ended.
Ending reap(pid_t pid, SteadyClock::time_point deadline, bool killNow) {
  Ending ending{Ending::Kind::killed};
  while (!killNow) {
    siginfo_t info{};
    const int r = waitid(P_PID, id_t(pid), &info, WEXITED | WNOHANG | WNOWAIT);
    if (r < 0 && errno == EINTR) continue;
    if (r < 0) {
      ending = {Ending::Kind::lost};  // someone else reaped it: how it ended is unknown
      break;
    }
    if (info.si_pid == pid) {
      if (info.si_code == CLD_EXITED) ending = {Ending::Kind::exited, info.si_status};
      else ending = {Ending::Kind::signaled};
      break;
    }
    if (SteadyClock::now() >= deadline) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  if (ending.kind != Ending::Kind::lost) {
    kill(-pid, SIGKILL);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {}
  }
  return ending;
}

// Starts `path` with its stdout (and stderr when merged) on `out`, stdin from /dev/null, in a
// group of its own; -1 when it can't be started.
pid_t spawnChild(const std::string& path, const std::vector<std::string>& args, int out, bool mergeStderr) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, out, 1);
  if (mergeStderr) posix_spawn_file_actions_adddup2(&actions, out, 2);
  else posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addclosefrom_np(&actions, 3);

  posix_spawnattr_t attr;
  posix_spawnattr_init(&attr);
  sigset_t defaults;
  sigemptyset(&defaults);
  sigaddset(&defaults, SIGPIPE);
  sigaddset(&defaults, SIGTERM);
  sigaddset(&defaults, SIGINT);
  sigaddset(&defaults, SIGHUP);
  sigset_t none;
  sigemptyset(&none);
  posix_spawnattr_setsigdefault(&attr, &defaults);
  posix_spawnattr_setsigmask(&attr, &none);
  posix_spawnattr_setpgroup(&attr, 0);  // its own group, so a timeout ends what it forked too
  posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETPGROUP);

  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(path.c_str()));
  for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  auto env = childEnvironment();
  std::vector<char*> envp;
  for (auto& e : env) envp.push_back(e.data());
  envp.push_back(nullptr);

  pid_t pid = -1;
  const int spawnError = posix_spawn(&pid, path.c_str(), &actions, &attr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attr);
  return spawnError == 0 ? pid : -1;
}

struct Drained {
  bool timedOut = false, tooMuch = false;
};

// Reads `fd` into `output` until its end, the deadline or `maxOutput` bytes, whichever comes
// first.
Drained drain(int fd, SteadyClock::time_point deadline, std::size_t maxOutput, std::string& output) {
  char buffer[16384];
  for (;;) {
    pollfd p{fd, POLLIN, 0};
    const int ready = poll(&p, 1, remainingMs(deadline));
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) return {.timedOut = true};
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return {};  // end of output
    const std::size_t room = maxOutput - output.size();
    output.append(buffer, std::min<std::size_t>(room, std::size_t(n)));
    if (std::size_t(n) > room) return {.tooMuch = true};
  }
}

void noteEnding(CommandResult& result, const Drained& drained, const Ending& ending) {
  using Status = CommandResult::Status;
  if (drained.tooMuch) result.status = Status::tooMuchOutput;
  else if (drained.timedOut || ending.kind == Ending::Kind::killed) result.status = Status::timedOut;
  else if (ending.kind == Ending::Kind::lost) result.status = Status::lost;
  else if (ending.kind == Ending::Kind::exited) {
    result.status = Status::exited;
    result.exitCode = ending.exitCode;
  } else {
    result.status = Status::signaled;
  }
}

}  // namespace

std::string findExecutable(std::initializer_list<const char*> candidates) {
  for (const char* c : candidates) {
    struct stat st {};
    if (c[0] == '/' && stat(c, &st) == 0 && S_ISREG(st.st_mode) && access(c, X_OK) == 0) return c;
  }
  return {};
}

CommandResult runCommand(const std::string& path, const std::vector<std::string>& args,
                         const RunOptions& options) {
  CommandResult result;
  if (path.empty() || path[0] != '/') return result;

  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) return result;
  const pid_t pid = spawnChild(path, args, fds[1], options.mergeStderr);
  close(fds[1]);
  if (pid < 0) {
    close(fds[0]);
    return result;  // missing or not executable: a failure, never a crash
  }

  const auto deadline = SteadyClock::now() + options.timeout;
  const Drained drained = drain(fds[0], deadline, options.maxOutput, result.output);
  close(fds[0]);
  noteEnding(result, drained, reap(pid, deadline, drained.timedOut || drained.tooMuch));
  return result;
}

}  // namespace qel
