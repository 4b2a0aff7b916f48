#pragma once
// Puts processes at background priority and back. A desktop application runs in its own unit
// of the user's service manager (an "app-….scope"); where that manager may use the CPU
// controller (systemd hands it to user sessions since version 252), the unit is given the
// lowest CPU weight for the session and its own weight back on restore, which any user may do.
// Otherwise every thread gets nice 19 and the idle I/O class, with the original values kept;
// an unprivileged user can't take a nice value back down, so that restore fails and says so.
#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "Qel/Platform/Bus/UserUnits.hpp"
#include "Qel/Platform/Proc/ProcessSignals.hpp"
#include "Qel/Platform/Proc/SysRoot.hpp"

namespace qel {

enum class RestoreOutcome { restored, gone, failed };

// The raw I/O priority to put back for one read before lowering. Older kernels report a thread
// that never chose one as class "none" with level 4, yet refuse to set "none" with any level
// but 0: that one goes back as plain "none".
int restorableIoPriority(int saved);

// Whether a thread raised to nice 19 may be set back to `nice`: with CAP_SYS_NICE always,
// otherwise only down to 20 − RLIMIT_NICE (`niceLimit`, 0 on most systems: not at all).
bool niceCanReturn(int nice, std::uint64_t niceLimit, bool capSysNice);

class BackgroundPriority {
 public:
  explicit BackgroundPriority(SysRoot root = {}, std::unique_ptr<UserUnits> units = std::make_unique<SessionUserUnits>())
      : root_(std::move(root)), units_(std::move(units)) {}
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
  // Whether lowering the process now could be undone: through its application's unit, or
  // because this program may put its nice value back.
  bool canRestore(const ProcessIdentity& id);

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
    std::string unit;
    std::uint64_t weight = kUnsetCpuWeight;  // the unit's own setting, put back on release
    int users = 0;
  };

  // The application scope (cgroup path) that lowering `pid` would slow, when the manager of it
  // may weigh its CPU and it is not this program's own; "" otherwise.
  std::string usableScope(std::int32_t pid) const;
  bool lowerScope(Lowered& entry);
  bool lowerThreads(Lowered& entry);
  bool releaseScope(const std::string& scope);
  RestoreOutcome restoreThreads(const Lowered& entry);

  SysRoot root_;
  std::unique_ptr<UserUnits> units_;
  std::map<std::int32_t, Lowered> lowered_;
  std::map<std::string, Scope> scopes_;
};

}  // namespace qel
