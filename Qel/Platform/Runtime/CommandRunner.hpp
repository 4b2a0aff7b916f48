#pragma once
// The one way Qel runs another program: an absolute path and an argument vector (never a
// shell), stdin from /dev/null, LC_ALL=C.UTF-8, no inherited descriptors, its own process group,
// a timeout after which that group is killed and the child reaped, and a cap on what it may print.
// What the command leaves running in its group when it ends is ended with it.
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
  // lost: it ran, but how it ended could not be learned (it was reaped elsewhere).
  enum class Status { exited, notRunnable, timedOut, tooMuchOutput, signaled, lost };
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
