#pragma once
// Real child processes for the tests that signal, pause and lower processes: a sleeping
// child, its identity and state, its priority, and a guard that takes one capability from
// the calling thread (so a test run as root can meet the refusals an ordinary user meets).
#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <chrono>
#include <memory>
#include <thread>

#include "Qel/Platform/Proc/ProcPidCgroup.hpp"
#include "Qel/Platform/Proc/ProcessSignals.hpp"
#include "Qel/Samplers/ProcInfo.hpp"
#include "tests/support/ChildProcess.hpp"

namespace qel::test {

// A child that sleeps for a minute; SIGCONT'ed and killed when the object goes.
inline std::unique_ptr<ChildProcess> sleeper(const std::vector<std::string>& prefix = {}) {
  std::vector<std::string> argv = prefix;
  argv.insert(argv.end(), {"/usr/bin/sleep", "60"});
  return std::make_unique<ChildProcess>(argv, std::map<std::string, std::string>{}, false);
}

inline ProcessIdentity identity(const ChildProcess& child) {
  return identityOf(child.pid()).value_or(ProcessIdentity{child.pid(), 0});
}

// The process as a sampler would list it.
inline ProcInfo listed(const ChildProcess& child, const std::string& name, double cpu, const std::string& appKey = {},
                       const std::string& path = "/usr/bin/sleep") {
  return {.pid = child.pid(), .name = name, .path = path, .cpu = cpu, .appKey = appKey.empty() ? path : appKey,
          .startTime = identity(child).startTime};
}

// Waits (briefly) until the child's state letter is `state`; a signal takes a moment to land.
inline bool reaches(const ChildProcess& child, char state) {
  const auto id = identity(child);
  for (int i = 0; i < 300; ++i) {
    if (processState(id) == state) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return false;
}

inline bool isStopped(const ChildProcess& child) { return processState(identity(child)) == 'T'; }

inline int niceOf(const ChildProcess& child) {
  errno = 0;
  return getpriority(PRIO_PROCESS, id_t(child.pid()));
}

// At background priority by either way there is to put it there.
inline bool atBackground(const ChildProcess& child) {
  if (niceOf(child) == 19) return true;
  const auto cgroup = readText("/proc/" + std::to_string(child.pid()) + "/cgroup");
  const auto scope = cgroup ? appScopeOfCgroup(*cgroup) : std::string();
  const auto weight = scope.empty() ? std::nullopt : readText("/sys/fs/cgroup" + scope + "/cpu.weight");
  return weight && weight->starts_with("1\n");
}

inline bool runsAsRoot() { return geteuid() == 0; }

// Takes a capability out of this thread's effective set for the guard's lifetime.
class WithoutCapability {
 public:
  explicit WithoutCapability(int capability) : bit_(1u << (capability % 32)), word_(capability / 32) {
    if (syscall(SYS_capget, &header_, data_) != 0) return;
    had_ = (data_[word_].effective & bit_) != 0;
    data_[word_].effective &= ~bit_;
    dropped_ = had_ && syscall(SYS_capset, &header_, data_) == 0;
  }
  ~WithoutCapability() {
    if (!dropped_) return;
    data_[word_].effective |= bit_;
    syscall(SYS_capset, &header_, data_);
  }
  WithoutCapability(const WithoutCapability&) = delete;
  WithoutCapability& operator=(const WithoutCapability&) = delete;
  // False when the thread did not have it (not root): the refusal comes anyway then.
  bool dropped() const { return dropped_; }

 private:
  __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
  __user_cap_data_struct data_[2]{};
  std::uint32_t bit_;
  int word_;
  bool had_ = false, dropped_ = false;
};

}  // namespace qel::test
