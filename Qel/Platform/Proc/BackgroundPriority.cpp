#include "Qel/Platform/Proc/BackgroundPriority.hpp"

#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <vector>

#include "Qel/Platform/Proc/ProcPidCgroup.hpp"
#include "Qel/Platform/Proc/ProcText.hpp"

namespace qel {
namespace {

constexpr int kIoprioWhoProcess = 1;
constexpr int kIoprioClassShift = 13;
constexpr int kIoprioClassIdle = 3;
constexpr int kBackgroundNice = 19;
constexpr std::uint64_t kBackgroundWeight = 1;  // the lowest the CPU controller takes

int ioprioGet(std::int32_t tid) { return int(::syscall(SYS_ioprio_get, kIoprioWhoProcess, tid)); }
int ioprioSet(std::int32_t tid, int value) { return int(::syscall(SYS_ioprio_set, kIoprioWhoProcess, tid, value)); }

std::optional<int> niceOf(std::int32_t tid) {
  errno = 0;
  const int nice = ::getpriority(PRIO_PROCESS, id_t(tid));
  if (nice == -1 && errno != 0) return std::nullopt;
  return nice;
}

// Whether this thread may lower nice values (CAP_SYS_NICE in its effective set).
bool hasCapSysNice() {
  __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
  __user_cap_data_struct data[2]{};
  if (::syscall(SYS_capget, &header, data) != 0) return false;
  return (data[CAP_SYS_NICE / 32].effective & (1u << (CAP_SYS_NICE % 32))) != 0;
}

std::uint64_t niceLimit() {
  struct rlimit limit {};
  if (::getrlimit(RLIMIT_NICE, &limit) != 0) return 0;
  return limit.rlim_cur == RLIM_INFINITY ? UINT64_MAX : std::uint64_t(limit.rlim_cur);
}

// The unit a cgroup path ends in.
std::string unitOf(const std::string& scope) { return scope.substr(scope.rfind('/') + 1); }

// The cgroup of the user's service manager ("…/user@1000.service") that `scope` lies in; "" when
// the scope is not one of its units.
std::string managerOf(const std::string& scope) {
  std::size_t from = 0;
  while (from < scope.size()) {
    const auto slash = scope.find('/', from + 1);
    const std::string part = scope.substr(from + 1, slash == std::string::npos ? std::string::npos : slash - from - 1);
    if (part.starts_with("user@") && part.ends_with(".service")) return scope.substr(0, slash);
    if (slash == std::string::npos) break;
    from = slash;
  }
  return {};
}

}  // namespace

int restorableIoPriority(int saved) { return saved >> kIoprioClassShift == 0 ? 0 : saved; }

bool niceCanReturn(int nice, std::uint64_t limit, bool capSysNice) {
  if (capSysNice) return true;
  // RLIMIT_NICE n lets a user go down to nice 20 − n.
  return nice >= 20 - int(std::min<std::uint64_t>(limit, 40));
}

BackgroundPriority::~BackgroundPriority() {
  std::vector<std::int32_t> pids;
  for (const auto& [pid, entry] : lowered_) pids.push_back(pid);
  for (const auto pid : pids) restore(pid);
}

bool BackgroundPriority::canRestore(const ProcessIdentity& id) {
  if (const std::string scope = usableScope(id.pid); !scope.empty() && units_ && units_->cpuWeight(unitOf(scope)))
    return true;
  const auto nice = niceOf(id.pid);
  return !nice || niceCanReturn(*nice, niceLimit(), hasCapSysNice());
}

bool BackgroundPriority::lower(const ProcessIdentity& id) {
  if (!isSignalTarget(id.pid) || !processState(id, root_)) return false;
  if (auto it = lowered_.find(id.pid); it != lowered_.end()) {
    if (it->second.id == id) {
      if (it->second.scope.empty()) lowerThreads(it->second);
      return true;
    }
    forget(id.pid);  // the pid names another process now
  }
  Lowered entry{.id = id, .scope = {}, .threads = {}};
  if (!lowerScope(entry) && !lowerThreads(entry)) return false;
  lowered_[id.pid] = std::move(entry);
  return true;
}

std::string BackgroundPriority::usableScope(std::int32_t pid) const {
  const auto cgroup = readText(root_.proc(std::to_string(pid) + "/cgroup"), 64 * 1024);
  const std::string scope = cgroup ? appScopeOfCgroup(*cgroup) : std::string();
  if (scope.empty()) return {};
  // The commands this program runs share its scope: lowering that would slow the program too.
  if (const auto own = readText(root_.proc("self/cgroup"), 64 * 1024); own && appScopeOfCgroup(*own) == scope)
    return {};
  // The manager can weigh CPU only when the system handed it the CPU controller; without it a
  // new weight would be accepted and change nothing.
  const std::string manager = managerOf(scope);
  if (manager.empty()) return {};
  const auto controllers = readText(root_.sys("fs/cgroup" + manager + "/cgroup.controllers"), 4096);
  if (!controllers) return {};
  std::string_view rest = *controllers;
  while (!rest.empty()) {
    const auto space = rest.find_first_of(" \n");
    if (rest.substr(0, space) == "cpu") return scope;
    rest.remove_prefix(space == std::string_view::npos ? rest.size() : space + 1);
  }
  return {};
}

bool BackgroundPriority::lowerScope(Lowered& entry) {
  const std::string scope = usableScope(entry.id.pid);
  if (scope.empty() || !units_) return false;
  if (auto it = scopes_.find(scope); it != scopes_.end()) {
    ++it->second.users;
    entry.scope = scope;
    return true;
  }
  const std::string unit = unitOf(scope);
  const auto weight = units_->cpuWeight(unit);
  if (!weight || units_->setCpuWeight(unit, kBackgroundWeight) != UnitWrite::done) return false;
  scopes_[scope] = Scope{.unit = unit, .weight = *weight, .users = 1};
  entry.scope = scope;
  return true;
}

bool BackgroundPriority::lowerThreads(Lowered& entry) {
  const std::int32_t pid = entry.id.pid;
  std::error_code ec;
  std::vector<std::int32_t> tids;
  for (const auto& task : std::filesystem::directory_iterator(root_.proc(std::to_string(pid) + "/task"), ec)) {
    if (const auto tid = parseI64(task.path().filename().string()); tid && *tid > 0 && *tid <= INT32_MAX)
      tids.push_back(std::int32_t(*tid));
  }
  bool mainLowered = entry.threads.count(pid) != 0;
  for (const auto tid : tids) {
    if (entry.threads.count(tid)) continue;
    const auto nice = niceOf(tid);
    if (!nice) continue;
    const int io = ioprioGet(tid);
    if (::setpriority(PRIO_PROCESS, id_t(tid), kBackgroundNice) != 0) continue;
    if (io >= 0) ioprioSet(tid, kIoprioClassIdle << kIoprioClassShift);
    entry.threads[tid] = ThreadPriority{.nice = *nice, .ioClass = io};
    if (tid == pid) mainLowered = true;
  }
  if (!mainLowered) {
    // Refused (another user's process): leave no thread half-lowered.
    restoreThreads(entry);
    entry.threads.clear();
  }
  return mainLowered;
}

RestoreOutcome BackgroundPriority::restore(std::int32_t pid) {
  auto it = lowered_.find(pid);
  if (it == lowered_.end()) return RestoreOutcome::restored;
  const Lowered entry = std::move(it->second);
  lowered_.erase(it);
  if (!entry.scope.empty()) return releaseScope(entry.scope) ? RestoreOutcome::restored : RestoreOutcome::failed;
  if (!processState(entry.id, root_)) return RestoreOutcome::gone;
  return restoreThreads(entry);
}

RestoreOutcome BackgroundPriority::restoreThreads(const Lowered& entry) {
  const std::int32_t pid = entry.id.pid;
  const auto main = entry.threads.find(pid);
  bool ok = true;
  std::error_code ec;
  for (const auto& task : std::filesystem::directory_iterator(root_.proc(std::to_string(pid) + "/task"), ec)) {
    const auto parsed = parseI64(task.path().filename().string());
    if (!parsed || *parsed <= 0 || *parsed > INT32_MAX) continue;
    const auto tid = std::int32_t(*parsed);
    // Threads started while lowered inherited the background values: they get the main
    // thread's originals.
    auto saved = entry.threads.find(tid);
    if (saved == entry.threads.end()) saved = main;
    if (saved == entry.threads.end()) continue;
    const auto now = niceOf(tid);
    if (!now) continue;  // the thread has ended
    if (*now != saved->second.nice) {
      if (::setpriority(PRIO_PROCESS, id_t(tid), saved->second.nice) != 0) {
        if (errno != ESRCH) ok = false;
      } else if (const auto after = niceOf(tid); after && *after != saved->second.nice) {
        ok = false;
      }
    }
    const int io = restorableIoPriority(saved->second.ioClass);
    if (saved->second.ioClass >= 0 && ioprioGet(tid) != io && ioprioSet(tid, io) != 0 && errno != ESRCH) ok = false;
  }
  return ok ? RestoreOutcome::restored : RestoreOutcome::failed;
}

bool BackgroundPriority::releaseScope(const std::string& scope) {
  auto it = scopes_.find(scope);
  if (it == scopes_.end()) return true;
  if (--it->second.users > 0) return true;
  const Scope released = it->second;
  scopes_.erase(it);
  // A unit that ended with its last process has nothing left to restore.
  return units_ && units_->setCpuWeight(released.unit, released.weight) != UnitWrite::failed;
}

void BackgroundPriority::forget(std::int32_t pid) {
  auto it = lowered_.find(pid);
  if (it == lowered_.end()) return;
  const std::string scope = it->second.scope;
  lowered_.erase(it);
  if (!scope.empty()) releaseScope(scope);
}

}  // namespace qel
