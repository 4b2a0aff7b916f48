#include "Qel/Sheets/Reports/SleepReport.hpp"

#include <chrono>
#include <cmath>
#include <map>

#include "Qel/Platform/Utf8.hpp"
#include "Qel/Text/Format.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel::SleepReport {

long long minutesAsleep(const SleepSession& session) {
  const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(session.end - session.start).count();
  return seconds > 0 ? seconds / 60 : 0;
}

std::optional<int> drop(const SleepSession& session) {
  if (!session.onBattery || !session.chargeStart || !session.chargeEnd) return std::nullopt;
  return std::max(*session.chargeStart - *session.chargeEnd, 0);
}

std::string headline(const SleepSession& session) {
  if (const auto d = drop(session)) return L("Battery dropped %@% while asleep", {std::to_string(*d)});
  return L("Slept %@", {fmtDuration(minutesAsleep(session))});
}

std::optional<std::string> usualLine(const SleepSession& session, std::optional<double> usualPerHour) {
  const auto d = drop(session);
  if (!d || !usualPerHour || !std::isfinite(*usualPerHour)) return std::nullopt;
  const double expected = std::round(*usualPerHour * double(minutesAsleep(session)) / 60);
  if (std::abs(expected) > 1e6) return std::nullopt;  // no sensible comparison
  return L("A sleep this long usually uses about %@%. This one used %@%.",
           {std::to_string(static_cast<long long>(expected)), std::to_string(*d)});
}

std::string batteryUsed(const SleepSession& session) {
  if (!session.onBattery) return L("On AC power");
  if (const auto d = drop(session)) return std::to_string(*d) + "%";
  return "—";
}

std::string wakeLength(int seconds) {
  if (seconds > 59) return fmtDuration(seconds / 60);
  return L("%@ s", {std::to_string(std::max(seconds, 0))});
}

std::string wakeDetail(const SleepWake& wake) {
  std::string text = L("awake for %@", {wakeLength(wake.seconds)});
  if (!wake.reason.empty()) text += " · " + displayName(wake.reason);
  return text;
}

std::optional<std::string> holdersLine(const SleepSession& session) {
  if (session.holders.empty()) return std::nullopt;
  std::string names;
  for (const auto& h : session.holders) names += (names.empty() ? "" : L(", ")) + displayName(h);
  return L("Preventing sleep when the lid closed: %@", {names});
}

std::optional<WakeKind> mainKind(const SleepSession& session) {
  std::map<int, int> counts;
  for (const auto& w : session.wakes) ++counts[static_cast<int>(WakeKind::classify(w.reason).value())];
  if (counts.empty()) return std::nullopt;
  auto best = counts.begin();
  for (auto it = counts.begin(); it != counts.end(); ++it)
    if (it->second > best->second) best = it;
  return WakeKind(static_cast<WakeKind::Value>(best->first));
}

}  // namespace qel::SleepReport
