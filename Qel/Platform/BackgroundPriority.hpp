#pragma once
// Puts processes at background priority and back. Where the process's application scope
// (its systemd "app-….scope") lets us write its cpu.weight, the whole scope gets the lowest
// weight; otherwise every thread gets nice 19 and the idle I/O class. The original values are
// kept, so restoring puts back what was there, and a restore that the system refuses (an
// unprivileged user can't lower a nice value again) says so.
#include <cstdint>
#include <map>
#include <string>

#include "Qel/Platform/ProcessSignals.hpp"
#include "Qel/Platform/SysRoot.hpp"

namespace qel {

enum class RestoreOutcome { restored, gone, failed };

// The raw I/O priority to put back for one read before lowering. Older kernels report a thread
// that never chose one as class "none" with level 4, yet refuse to set "none" with any level
// but 0: that one goes back as plain "none".
int restorableIoPriority(int saved);

class BackgroundPriority {
 public:
  explicit BackgroundPriority(SysRoot root = {}) : root_(std::move(root)) {}
  // Puts back everything still lowered that can be put back.
  ~BackgroundPriority();
  BackgroundPriority(const BackgroundPriority&) = delete;
  BackgroundPriority& operator=(const BackgroundPriority&) = delete;

  // Lowers the process; false when it can't be (gone, another user's, refused). Lowering a
  // process that is already low lowers its threads started since.
  bool lower(const ProcessIdentity& id);
  // Restores the original values. A pid that was never lowered counts as restored.
  RestoreOutcome restore(std::int32_t pid);
  // The process has exited: forgets it (a scope no process of ours holds any more gets its
  // weight back).
  void forget(std::int32_t pid);
  bool isLowered(std::int32_t pid) const { return lowered_.count(pid) != 0; }

 private:
  struct ThreadPriority {
    int nice = 0;
    int ioClass = 0;  // the raw ioprio value
  };
  struct Lowered {
    ProcessIdentity id;
    std::string scope;                             // cgroup folder lowered; "": per thread
    std::map<std::int32_t, ThreadPriority> threads;  // tid → original
  };
  struct Scope {
    std::string weight;  // the original cpu.weight text
    int users = 0;
  };

  bool lowerScope(Lowered& entry);
  bool lowerThreads(Lowered& entry);
  bool releaseScope(const std::string& scope);
  RestoreOutcome restoreThreads(const Lowered& entry);
  std::string weightFile(const std::string& scope) const;

  SysRoot root_;
  std::map<std::int32_t, Lowered> lowered_;
  std::map<std::string, Scope> scopes_;
};

}  // namespace qel
