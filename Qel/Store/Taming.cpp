// Taming: apps with a rule are slowed or paused while they are not in front, and let go the
// moment they come to the front, lose their rule, are quit, or the program ends. Paused
// processes are also written down, so a start after a crash resumes the ones still stopped.
#include <unistd.h>

#include "Qel/Platform/Desktop/SessionProcesses.hpp"
#include "Qel/Platform/Proc/ProcessSignals.hpp"
#include "Qel/Store/Store.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {
namespace {

constexpr const char* kPausedKey = "qel.pausedPids";

// A stored [pid, start time] pair; absent for anything else (the older plain pid too: without
// its start time it can't be told from a process that took the pid since).
std::optional<ProcessIdentity> storedIdentity(const nlohmann::json& e) {
  if (!e.is_array() || e.size() != 2 || !e[0].is_number_integer() || !e[1].is_number_integer()) return std::nullopt;
  const auto pid = e[0].get<std::int64_t>();
  if (pid <= 1 || pid > INT32_MAX) return std::nullopt;
  if (e[1].is_number_unsigned()) return ProcessIdentity{std::int32_t(pid), e[1].get<std::uint64_t>()};
  return std::nullopt;
}

}  // namespace

void Store::installTamer() {
  if (const auto stored = defaults_.value(kPausedKey); stored && stored->is_array()) {
    for (const auto& e : *stored) {
      // Only a process that is still the one paused, and still stopped, is continued.
      const auto id = storedIdentity(e);
      if (id && processState(*id) == 'T') signalProcess(*id, SIGCONT);
    }
  }
  defaults_.remove(kPausedKey);
  // Termination releases everything through shutdown(); activation is seen by the tick, which
  // compares the front app each second.
}

void Store::maintainTaming(const std::vector<ProcInfo>& procs) {
  if (taming_.tameRules.empty() && taming_.tamed.empty() && taming_.keptSlow.empty()) return;
  forgetEndedTamed(procs);
  if (taming_.tameRules.empty() && taming_.tamed.empty()) return;

  // Without knowing the app in front, the app the user is in could be stopped: let all go.
  const auto front = knownFrontOrExplain();
  if (!front) {
    releaseAllTamed();
    return;
  }
  std::optional<std::string> frontKey;
  if (const auto pid = front->processId())
    if (const auto p = proc(*pid); p && !p->appKey.empty()) frontKey = p->appKey;
  const std::int32_t self = ::getpid();
  for (const auto& p : procs) tameOne(p, frontKey, self);
}

void Store::forgetEndedTamed(const std::vector<ProcInfo>& procs) {
  std::map<std::int32_t, std::uint64_t> live;
  for (const auto& p : procs) live.emplace(p.pid, p.startTime);
  // A process left slowed is forgotten once it ends: its next start runs at normal priority.
  const auto ended = [&](const auto& entry) {
    const auto l = live.find(entry.first);
    return l == live.end() || l->second != entry.second.startTime;
  };
  if (std::erase_if(taming_.keptSlow, ended) > 0) changed(Concern::taming);
  bool forgot = false;
  for (auto it = taming_.tamed.begin(); it != taming_.tamed.end();) {
    const auto l = live.find(it->first);
    if (l != live.end() && l->second == it->second.startTime) {
      ++it;
      continue;
    }
    if (!taming_.throttled.count(it->first)) priority_.forget(it->first);
    it = taming_.tamed.erase(it);
    forgot = true;
  }
  if (forgot) {
    changed(Concern::taming);
    persistPaused();
  }
}

void Store::tameOne(const ProcInfo& p, const std::optional<std::string>& frontKey, std::int32_t self) {
  // Whose app it is may be a guess until its second tick: it is neither held nor let go on it.
  if (p.provisional) return;
  const auto rule = taming_.tameRules.find(p.appKey);
  const auto mode = rule != taming_.tameRules.end() ? tameModeFromRaw(rule->second) : std::nullopt;
  // A rule under a bare program path (an older one, or one written by hand) would take in
  // everything that program runs, every script of an interpreter: only applications are tamed.
  // The system's own processes never are, whatever entry names them; one held from before it
  // was known as the system's is let go.
  const bool ours = !p.isSystem && p.pid != self && !isSessionProcess(p.path, p.name);
  const bool applies = ours && isAppKey(p.appKey) && mode && p.appKey != frontKey;
  const auto held = taming_.tamed.find(p.pid);
  if (!applies) {
    if (held != taming_.tamed.end()) releaseTamed(p.pid);
    return;
  }
  const TameMode want = *mode;
  if (held != taming_.tamed.end() && held->second.mode == want) {
    // Again every tick: threads started since get the background priority too.
    if (want == TameMode::slow) priority_.lower({p.pid, p.startTime});
    return;
  }
  if (held != taming_.tamed.end()) releaseTamed(p.pid);

  const TamedProc entry{.mode = want, .key = p.appKey, .startTime = p.startTime};
  if (want == TameMode::slow) {
    if (!priority_.lower({p.pid, p.startTime})) return;
    taming_.tamed[p.pid] = entry;
  } else {
    // Written down before the stop, so a crash right after it still leads to a resume.
    taming_.tamed[p.pid] = entry;
    persistPaused();
    if (signalProcess({p.pid, p.startTime}, SIGSTOP) != SignalOutcome::sent) {
      taming_.tamed.erase(p.pid);
      persistPaused();
      return;
    }
  }
  changed(Concern::taming);
}

RestoreOutcome Store::letGo(std::int32_t pid) {
  const auto it = taming_.tamed.find(pid);
  if (it == taming_.tamed.end()) return RestoreOutcome::restored;
  const TamedProc t = it->second;
  taming_.tamed.erase(it);
  changed(Concern::taming);
  if (t.mode == TameMode::pause) {
    signalProcess({pid, t.startTime}, SIGCONT);
    persistPaused();
    return RestoreOutcome::restored;
  }
  // Quiet mode still holds it at background priority.
  if (taming_.throttled.count(pid)) return RestoreOutcome::restored;
  const RestoreOutcome outcome = priority_.restore(pid);
  if (outcome == RestoreOutcome::failed) taming_.keptSlow[pid] = t;
  return outcome;
}

bool Store::slowingReversible(const ProcInfo& p) { return priority_.canRestore({p.pid, p.startTime}); }

void Store::releaseTamed(std::int32_t pid) {
  if (letGo(pid) == RestoreOutcome::failed) show(L("Couldn't restore the priority of %@", {nameOf(pid)}));
}

int Store::releaseTamed(const std::string& key) {
  std::vector<std::int32_t> pids;
  for (const auto& [pid, t] : taming_.tamed)
    if (t.key == key) pids.push_back(pid);
  int kept = 0;
  for (const auto pid : pids) kept += letGo(pid) == RestoreOutcome::failed;
  return kept;
}

void Store::releaseAllTamed() {
  std::vector<std::int32_t> pids;
  for (const auto& [pid, t] : taming_.tamed) pids.push_back(pid);
  for (const auto pid : pids) releaseTamed(pid);
}

void Store::persistPaused() {
  auto list = nlohmann::json::array();
  std::vector<ProcessIdentity> paused;
  for (const auto& [pid, t] : taming_.tamed)
    if (t.mode == TameMode::pause) {
      list.push_back({pid, t.startTime});
      paused.push_back({pid, t.startTime});
    }
  defaults_.set(kPausedKey, std::move(list));
  std::lock_guard lock(pausedMutex_);
  pausedNow_ = std::move(paused);
}

void Store::lastWords() {
  std::vector<ProcessIdentity> paused;
  {
    std::lock_guard lock(pausedMutex_);
    paused = pausedNow_;
  }
  for (const auto& id : paused) signalProcess(id, SIGCONT);
  if (history_) history_->close(std::chrono::seconds(2));
}

void Store::setTame(std::optional<TameMode> mode, const std::string& key) {
  if (key.empty() || (mode && !isAppKey(key))) return;
  const std::string name = appName(key);
  auto rules = taming_.tameRules;
  if (!mode) {
    rules.erase(key);
    setTameRules(std::move(rules));
    // One toast that tells it all: a success would hide the failure if it came second.
    show(releaseTamed(key) > 0 ? L("Removed the rule for %@, but it stays slowed until it restarts", {name})
                               : L("Removed the rule for %@", {name}));
    return;
  }
  rules[key] = std::string(rawValue(*mode));
  setTameRules(std::move(rules));
  if (!frontKnown()) {
    frontUnknownTold_ = false;
    explainUnknownFront();
    return;
  }
  show(*mode == TameMode::slow ? L("%@ will slow down when it's not in front", {name})
                               : L("%@ will pause when it's not in front", {name}));
}

void Store::releaseOnExit() {
  std::vector<std::int32_t> pids;
  for (const auto& [pid, t] : taming_.tamed) pids.push_back(pid);
  for (const auto pid : pids) letGo(pid);
  for (const auto pid : taming_.throttled) priority_.restore(pid);
  taming_.throttled.clear();
  awakeLock_.release();
  taming_.awakeUntil.reset();
}

}  // namespace qel
