#pragma once
// The one way Qel runs another program: an absolute path and an argument vector (never a
// shell), stdin from /dev/null, LC_ALL=C.UTF-8, no inherited descriptors, a timeout after which
// the child is killed and reaped, and a cap on what it may print.
#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

namespace qel {

struct RunOptions {
  std::chrono::milliseconds timeout{5000};
  std::size_t maxOutput = 8 << 20;
  bool mergeStderr = false;  // stderr goes to /dev/null unless merged into the output
};

struct CommandResult {
  enum class Status { exited, notRunnable, timedOut, tooMuchOutput, signaled };
  Status status = Status::notRunnable;
  int exitCode = -1;    // when exited
  std::string output;   // what was read, also when the run failed
  // True when the command ran to its end and exited with 0.
  bool succeeded() const { return status == Status::exited && exitCode == 0; }
};

CommandResult runCommand(const std::string& path, const std::vector<std::string>& args,
                         const RunOptions& options = {});

// The first of `candidates` that is an executable regular file, or "".
std::string findExecutable(std::initializer_list<const char*> candidates);

}  // namespace qel
