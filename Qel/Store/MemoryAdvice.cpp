// Memory advice on the store: when to show it, which app was last in front, what to suggest
// and quitting the suggested apps.
#include <unistd.h>

#include <csignal>
#include <set>

#include "Qel/Platform/Proc/ProcessSignals.hpp"
#include "Qel/Store/Store.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

bool Store::memoryAdviceWanted() {
  insightFindings_.adviceAtOpen = adviceWanted(liveReadings_.mem.pressure, insightFindings_.adviceAtOpen);
  return insightFindings_.adviceAtOpen;
}

void Store::noteFrontApp(Date now) {
  if (const auto key = frontAppKey()) lastFront_[*key] = now;
  // Every tick, so the on/off state follows the pressure even while no view asks.
  memoryAdviceWanted();
}

std::optional<std::string> Store::frontAppKey() const {
  const auto pid = frontPid();
  if (!pid) return std::nullopt;
  for (const auto& p : processList_.procs)
    if (p.pid == *pid) return isAppKey(p.appKey) ? std::optional(p.appKey) : std::nullopt;
  return std::nullopt;
}

std::vector<MemSuggestion> Store::memorySuggestions() const {
  return qel::memorySuggestions({.procs = processList_.procs,
                                 .findings = insightFindings_.findings,
                                 .frontKey = frontAppKey(),
                                 .lastFront = lastFront_,
                                 .launch = launchDate_,
                                 .now = clock_.now(),
                                 .ownPID = std::int32_t(getpid()),
                                 .appName = [this](const std::string& key) { return appName(key); }});
}

void Store::quitApps(const std::vector<std::string>& keys) {
  const std::set<std::string> wanted(keys.begin(), keys.end());
  std::map<std::int32_t, const ProcInfo*> byPid;
  for (const auto& p : processList_.procs) byPid.emplace(p.pid, &p);

  int asked = 0;
  std::string name;
  for (const auto& p : processList_.procs) {
    if (p.provisional || p.isSystem || !wanted.count(p.appKey)) continue;
    // A running instance is a process of the app whose parent is not: its helpers go with it.
    if (const auto parent = byPid.find(p.ppid); parent != byPid.end() && parent->second->appKey == p.appKey) continue;
    releaseTamed(p.appKey);
    if (signalProcess({p.pid, p.startTime}, SIGTERM) == SignalOutcome::sent) {
      ++asked;
      name = appName(p.appKey);
    }
  }
  if (asked == 1)
    show(L("Asked %@ to quit", {name}));
  else if (asked > 1)
    show(Ln("Asked %n apps to quit", asked));
  else
    show(L("These apps didn't respond to the quit request"));
}

}  // namespace qel
