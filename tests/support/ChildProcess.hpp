#pragma once
// A child process for tests: started from an argument vector with extra environment, its
// stdout readable line by line; killed and reaped when the object goes, even if a test fails.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <vector>

extern char** environ;

namespace qel::test {

class ChildProcess {
 public:
  ChildProcess(const std::vector<std::string>& argv, const std::map<std::string, std::string>& env = {},
               bool captureStdout = true) {
    int fds[2] = {-1, -1};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (captureStdout && pipe2(fds, O_CLOEXEC) == 0) posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    std::vector<std::string> envStrings;
    for (char** e = environ; e && *e; ++e) {
      std::string s(*e);
      if (!env.count(s.substr(0, s.find('=')))) envStrings.push_back(s);
    }
    for (const auto& [k, v] : env) envStrings.push_back(k + "=" + v);
    std::vector<char*> args, envp;
    for (auto& a : const_cast<std::vector<std::string>&>(argv)) args.push_back(a.data());
    args.push_back(nullptr);
    for (auto& e : envStrings) envp.push_back(e.data());
    envp.push_back(nullptr);
    if (posix_spawn(&pid_, args[0], &actions, nullptr, args.data(), envp.data()) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
    if (fds[1] >= 0) close(fds[1]);
    out_ = fds[0];
  }
  ~ChildProcess() {
    stop(SIGKILL);
    if (out_ >= 0) close(out_);
  }
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  pid_t pid() const { return pid_; }
  bool started() const { return pid_ > 0; }

  // The next line of the child's stdout without its newline; absent at end or timeout.
  std::optional<std::string> readLine(std::chrono::milliseconds timeout = std::chrono::seconds(10)) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
      if (auto nl = buffer_.find('\n'); nl != std::string::npos) {
        std::string line = buffer_.substr(0, nl);
        buffer_.erase(0, nl + 1);
        return line;
      }
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
      if (out_ < 0 || left.count() <= 0) return std::nullopt;
      pollfd p{out_, POLLIN, 0};
      if (poll(&p, 1, int(left.count())) <= 0) continue;
      char chunk[4096];
      const ssize_t n = read(out_, chunk, sizeof chunk);
      if (n <= 0) return std::nullopt;
      buffer_.append(chunk, std::size_t(n));
    }
  }

  // Sends `signal` (SIGCONT first, so a stopped child can die) and reaps; returns the wait status.
  int stop(int signal = SIGTERM) {
    if (pid_ <= 0) return status_;
    kill(pid_, SIGCONT);
    kill(pid_, signal);
    while (waitpid(pid_, &status_, 0) < 0 && errno == EINTR) {}
    pid_ = -1;
    return status_;
  }

 private:
  pid_t pid_ = -1;
  int out_ = -1;
  int status_ = 0;
  std::string buffer_;
};

}  // namespace qel::test
