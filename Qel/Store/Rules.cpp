// The alert rules: loading and saving them, checking them once a tick, and the notification.
#include <algorithm>
#include <cmath>

#include "Qel/Platform/Bus/Notifications.hpp"
#include "Qel/Platform/Runtime/Calendar.hpp"
#include "Qel/Store/Store.hpp"
#include "Qel/Text/Format.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {
namespace {

constexpr const char* kRulesKey = "qel.rules";
constexpr auto kRepeatGuard = std::chrono::seconds(600);

// The process with the highest CPU; none when the list is empty.
const ProcInfo* topOf(const std::vector<ProcInfo>& procs) {
  const ProcInfo* top = nullptr;
  for (const auto& p : procs)
    if (!top || p.cpu > top->cpu) top = &p;
  return top;
}

// Rounded to the nearest whole number, halves away from zero.
std::string whole(double v) {
  if (!std::isfinite(v) || std::fabs(v) >= 9.0e18) return "—";
  return std::to_string(std::llround(v));
}

}  // namespace

void Store::loadRules() {
  const auto stored = defaults_.value(kRulesKey);
  if (!stored) return;
  const auto decoded = Rules::decode(*stored);
  // Unreadable data stays stored until the rules are next changed.
  if (!decoded) return;
  assign(settingsView_.rules, Rules::merged(*decoded), Concern::settings);
  saveRules();
}

void Store::saveRules() { defaults_.set(kRulesKey, Rules::encode(settingsView_.rules)); }

void Store::setRules(std::vector<AlertRule> rules) {
  assign(settingsView_.rules, std::move(rules), Concern::settings);
  saveRules();
}

int Store::enabledRuleCount() const {
  int n = 0;
  for (const auto& r : settingsView_.rules) n += r.on ? 1 : 0;
  return n;
}

std::optional<std::string> Store::firedText(const std::string& id) const {
  const auto it = settingsView_.lastFired.find(id);
  // Firing times live for the whole run, which may span days: only today's count as today.
  if (it == settingsView_.lastFired.end() || dayKey(it->second) != dayKey(clock_.now())) return std::nullopt;
  return L("Alerted once today at %@", {clockFormatter().string(it->second)});
}

void Store::checkRules() {
  const Date now = clock_.now();
  const ProcInfo* top = topOf(processList_.procs);
  for (const auto& rule : settingsView_.rules) {
    if (!rule.on) continue;
    bool hit = false;
    struct {
      std::string key;
      std::vector<std::string> args;
    } body;
    if (rule.id == "cpu") {
      hit = liveReadings_.cpu.total * 100.0 >= rule.threshold;
      const std::string who = top ? top->name : L("an unknown process");
      body = {Lkey("CPU usage is %@. The top process is %@."), {fmtPercent(liveReadings_.cpu.total), who}};
    } else if (rule.id == "memp") {
      hit = liveReadings_.mem.pressure >= rule.threshold;
      body = {Lkey("Memory pressure is %@%. Quitting apps you aren't using makes switching smoother."),
              {whole(liveReadings_.mem.pressure)}};
    } else if (rule.id == "disk") {
      hit = liveReadings_.diskTotal != 0 && double(liveReadings_.diskFree) / 1073741824.0 < rule.threshold;
      body = {Lkey("Only %@ left on the system disk."), {fmtBytes(liveReadings_.diskFree)}};
    } else if (rule.id == "thermal") {
      hit = liveReadings_.thermal == ThermalState::serious || liveReadings_.thermal == ThermalState::critical;
      body = {Lkey("The system is slowing down to cool off. Stop the most power-hungry app, or give the computer "
                   "some airflow."),
              {}};
    } else if (rule.id == "bat") {
      hit = liveReadings_.battery.present && !liveReadings_.battery.onAC && liveReadings_.battery.percent < rule.threshold;
      body = {Lkey("Battery at %@%. Remember to plug in."), {std::to_string(liveReadings_.battery.percent)}};
    } else if (rule.id == "pcpu") {
      hit = top && top->cpu >= rule.threshold;
      if (top) body = {Lkey("%@ is using %@% CPU."), {top->name, whole(top->cpu)}};
    }

    if (!hit) {
      ruleCounters_[rule.id] = 0;
      continue;
    }
    // Kept growing while the condition holds, so one firing does not start the sustain again.
    auto& count = ruleCounters_[rule.id];
    if (count < INT64_MAX) ++count;
    if (count < std::max<std::int64_t>(rule.sustain, 1)) continue;
    if (auto last = settingsView_.lastFired.find(rule.id); last != settingsView_.lastFired.end() && now - last->second < kRepeatGuard) continue;
    settingsView_.lastFired[rule.id] = now;
    changed(Concern::settings);

    const auto meta = Rules::meta().find(rule.id);
    const std::string title = meta != Rules::meta().end() ? L(meta->second.title) : L("Qel alert");
    if (isMuted()) continue;
    show(title);
    notify(title, L(body.key, body.args));
  }
}

void Store::setNotificationsAvailable(bool available) {
  assign(settingsView_.notificationsAvailable, available, Concern::settings);
}

void Store::notify(const std::string& title, const std::string& body) {
  // Off the main thread: a notification service that hangs must not hold up the tick. With
  // no service nothing is posted; the toast has been shown already.
  asideQueue_.async([title, body] { postNotification("Qel", title, body); });
}

}  // namespace qel
