// The menu panel's switches (quiet mode, keep awake, mute), the busy state of the menu-bar
// icon and the short texts beside it.
#include <unistd.h>

#include "Qel/Platform/Bus/DBus.hpp"
#include "Qel/Platform/Desktop/AppRegistry.hpp"
#include "Qel/Platform/Desktop/SessionProcesses.hpp"
#include "Qel/Store/Store.hpp"
#include "Qel/Text/Format.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {
namespace {

constexpr double kQuietThreshold = 20.0;  // percent of one core
constexpr auto kAwakeFor = std::chrono::seconds(7200);
constexpr auto kMuteFor = std::chrono::seconds(3600);

double meanOfLast(const std::vector<double>& values, std::size_t n) {
  n = std::min(n, values.size());
  double sum = 0;
  for (std::size_t i = values.size() - n; i < values.size(); ++i) sum += values[i];
  return sum / double(std::max<std::size_t>(n, 1));
}

std::string joined(const std::vector<std::string>& names) {
  std::string out;
  for (const auto& n : names) out += (out.empty() ? "" : ", ") + n;
  return out;
}

}  // namespace

void Store::toggleQuiet() {
  assign(taming_.quietOn, !taming_.quietOn, Concern::taming);
  if (!taming_.quietOn) {
    const auto failed = restoreThrottled();
    if (failed.empty()) {
      show(L("Background priority restored"));
    } else {
      std::vector<std::string> names;
      for (const auto pid : failed) names.push_back(nameOf(pid));
      show(L("Couldn't restore the priority of %@", {joined(names)}));
    }
    return;
  }
  // Lowered processes get their priority back when the program ends (shutdown).
  if (!frontKnown()) {
    frontUnknownTold_ = false;
    explainUnknownFront();
    return;
  }
  show(L("Background work is now throttled"));
}

std::vector<std::int32_t> Store::restoreThrottled() {
  std::vector<std::int32_t> failed;
  for (const auto pid : taming_.throttled) {
    // A slowed app keeps its background priority: taming still holds it.
    if (auto t = taming_.tamed.find(pid); t != taming_.tamed.end() && t->second.mode == TameMode::slow) continue;
    if (priority_.restore(pid) == RestoreOutcome::failed) failed.push_back(pid);
  }
  assign(taming_.throttled, {}, Concern::taming);
  return failed;
}

void Store::toggleAwake() {
  if (taming_.awakeUntil) {
    awakeLock_.release();
    assign(taming_.awakeUntil, std::optional<Date>(), Concern::taming);
    show(L("Normal sleep restored"));
    return;
  }
  auto bus = openBus(BusKind::system);
  InhibitLock lock = bus ? inhibit(bus.get(), "idle:sleep", "Qel", L("Qel Keep Awake"), "block") : InhibitLock();
  if (!lock.held()) {
    show(L("Couldn't prevent sleep. The system refused the request."));
    return;
  }
  awakeLock_ = std::move(lock);
  assign(taming_.awakeUntil, std::optional<Date>(clock_.now() + kAwakeFor), Concern::taming);
  show(L("Won't sleep when idle for the next 2 hours"));
}

void Store::toggleMute() {
  if (isMuted()) {
    setMutedUntil(std::nullopt);
    show(L("Alerts resumed"));
  } else {
    show(L("Alerts paused for 1 hour"));
    setMutedUntil(clock_.now() + kMuteFor);
  }
}

bool Store::isMuted() const { return taming_.mutedUntil && *taming_.mutedUntil > clock_.now(); }

std::string Store::awakeNote() const {
  if (taming_.awakeUntil) return L("Until %@", {clockFormatter().string(*taming_.awakeUntil)});
  return L("No idle sleep for 2 h");
}

std::string Store::muteNote() const {
  if (isMuted()) return L("Resumes at %@", {clockFormatter().string(*taming_.mutedUntil)});
  return Ln("%n on", enabledRuleCount());
}

std::string Store::quietNote() const {
  if (!taming_.quietOn) return L("Throttle heavy work");
  if (!taming_.throttled.empty()) return Ln("%n throttled", taming_.throttled.size());
  return L("On");
}

std::vector<MenuBarPart> Store::menuBarParts() const {
  std::vector<MenuBarPart> parts;
  const auto& items = setting(Setting::menuItems);
  if (items.count("cpu")) parts.push_back({fmtPercent(liveReadings_.cpu.total), "100%"});
  if (items.count("gpu") && liveReadings_.gpu) parts.push_back({"GPU " + fmtPercent(liveReadings_.gpu->util), "GPU 100%"});
  if (items.count("mem")) parts.push_back({L("Mem ") + fmtPercent(memFraction(liveReadings_.mem)), L("Mem ") + "100%"});
  if (items.count("net")) parts.push_back({"↓" + fmtRate(liveReadings_.netDown), "↓999.9 MB/s"});
  if (isMuted()) parts.push_back({"⏸", "⏸"});
  return parts;
}

void Store::updateMenuBusy() {
  if (!liveReadings_.menuBusy && meanOfLast(liveReadings_.cpuHist, 5) >= 0.6) assign(liveReadings_.menuBusy, true, Concern::live);
  else if (liveReadings_.menuBusy && meanOfLast(liveReadings_.cpuHist, 15) < 0.4) assign(liveReadings_.menuBusy, false, Concern::live);
}

void Store::maintainMenuFeatures(const std::vector<ProcInfo>& procs) {
  const Date now = clock_.now();
  if (taming_.awakeUntil && now >= *taming_.awakeUntil) {
    awakeLock_.release();
    assign(taming_.awakeUntil, std::optional<Date>(), Concern::taming);
  }
  if (taming_.mutedUntil && now >= *taming_.mutedUntil) setMutedUntil(std::nullopt);
  if (!taming_.quietOn) return;

  std::set<std::int32_t> kept, released;
  for (const auto& p : procs) {
    if (!taming_.throttled.count(p.pid)) continue;
    // Known as the system's only now: its priority goes back.
    if (p.isSystem)
      released.insert(p.pid);
    else
      kept.insert(p.pid);
  }
  for (const auto pid : taming_.throttled) {
    if (kept.count(pid) || taming_.tamed.count(pid)) continue;
    if (released.count(pid))
      priority_.restore(pid);
    else
      priority_.forget(pid);
  }
  assign(taming_.throttled, std::move(kept), Concern::taming);

  // Without knowing the app in front, the user's own app could be lowered.
  const auto front = knownFrontOrExplain();
  if (!front) return;
  const std::int32_t self = ::getpid();
  for (const auto& p : procs) {
    if (p.cpu < kQuietThreshold || p.pid == self || front->is(p.pid) || taming_.throttled.count(p.pid)) continue;
    // An application the user sees (a desktop entry's program) is not background work.
    if (isAppKey(p.appKey)) continue;
    if (p.provisional || p.isSystem || isSessionProcess(p.path, p.name)) continue;
    if (priority_.lower({p.pid, p.startTime})) {
      taming_.throttled.insert(p.pid);
      changed(Concern::taming);
    }
  }
}

std::optional<FrontApp> Store::knownFrontOrExplain() {
  const FrontApp front = desktop_ ? desktop_->frontApp() : FrontApp{};
  if (front.known()) {
    frontUnknownTold_ = false;
    return front;
  }
  explainUnknownFront();
  return std::nullopt;
}

bool Store::frontKnown() const { return desktop_ && desktop_->frontApp().known(); }

void Store::explainUnknownFront() {
  if (frontUnknownTold_) return;
  frontUnknownTold_ = true;
  show(L("Quiet mode and taming are idle: this desktop doesn't tell which app is in front."));
}

std::string Store::nameOf(std::int32_t pid) const {
  if (const auto p = proc(pid)) return p->name;
  return L("Process %@", {std::to_string(pid)});
}

}  // namespace qel
