#include "Qel/Platform/BackgroundPriority.hpp"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <vector>

#include "Qel/Platform/ProcPidCgroup.hpp"
#include "Qel/Platform/ProcText.hpp"

namespace qel {
namespace {

constexpr int kIoprioWhoProcess = 1;
constexpr int kIoprioClassShift = 13;
constexpr int kIoprioClassIdle = 3;
constexpr int kBackgroundNice = 19;
constexpr const char* kBackgroundWeight = "1";

int ioprioGet(std::int32_t tid) { return int(::syscall(SYS_ioprio_get, kIoprioWhoProcess, tid)); }
int ioprioSet(std::int32_t tid, int value) { return int(::syscall(SYS_ioprio_set, kIoprioWhoProcess, tid, value)); }

std::optional<int> niceOf(std::int32_t tid) {
  errno = 0;
  const int nice = ::getpriority(PRIO_PROCESS, id_t(tid));
  if (nice == -1 && errno != 0) return std::nullopt;
  return nice;
}

bool writeSmallFile(const std::string& file, const std::string& text) {
  const int fd = ::open(file.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
  if (fd < 0) return false;
  const bool ok = ::write(fd, text.data(), text.size()) == ssize_t(text.size());
  return ::close(fd) == 0 && ok;
}

}  // namespace

int restorableIoPriority(int saved) { return saved >> kIoprioClassShift == 0 ? 0 : saved; }

BackgroundPriority::~BackgroundPriority() {
  std::vector<std::int32_t> pids;
  for (const auto& [pid, entry] : lowered_) pids.push_back(pid);
  for (const auto pid : pids) restore(pid);
}

std::string BackgroundPriority::weightFile(const std::string& scope) const {
  return root_.sys("fs/cgroup" + scope + "/cpu.weight").string();
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

bool BackgroundPriority::lowerScope(Lowered& entry) {
  const auto cgroup = readText(root_.proc(std::to_string(entry.id.pid) + "/cgroup"), 64 * 1024);
  const std::string scope = cgroup ? appScopeOfCgroup(*cgroup) : std::string();
  if (scope.empty()) return false;
  // The commands this program runs share its scope: lowering that would slow the program too.
  if (const auto own = readText(root_.proc("self/cgroup"), 64 * 1024); own && appScopeOfCgroup(*own) == scope)
    return false;
  if (auto it = scopes_.find(scope); it != scopes_.end()) {
    ++it->second.users;
    entry.scope = scope;
    return true;
  }
  const auto weight = readText(weightFile(scope), 64);
  if (!weight || trim(*weight).empty() || !writeSmallFile(weightFile(scope), kBackgroundWeight)) return false;
  scopes_[scope] = Scope{.weight = std::string(trim(*weight)), .users = 1};
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
  const std::string original = it->second.weight;
  scopes_.erase(it);
  if (!writeSmallFile(weightFile(scope), original)) {
    // The scope itself ended with its last process: nothing is left to restore.
    return !std::filesystem::exists(weightFile(scope));
  }
  const auto now = readText(weightFile(scope), 64);
  return now && trim(*now) == original;
}

void BackgroundPriority::forget(std::int32_t pid) {
  auto it = lowered_.find(pid);
  if (it == lowered_.end()) return;
  const std::string scope = it->second.scope;
  lowered_.erase(it);
  if (!scope.empty()) releaseScope(scope);
}

}  // namespace qel
