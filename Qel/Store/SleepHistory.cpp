// The sleep history: stored sleeps, the system's log read after each wake, what is
// remembered just before a sleep, and what the views derive from the list.
#include <algorithm>
#include <charconv>
#include <cmath>

#include "Qel/Platform/Bus/SleepWatch.hpp"
#include "Qel/Platform/Runtime/Calendar.hpp"
#include "Qel/Store/Store.hpp"
#include "Qel/Text/Format.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {
namespace {

using namespace std::chrono_literals;
using Json = nlohmann::json;

constexpr auto kRefreshAfterWake = 12s;
constexpr double kHolderReach = 300.0;      // seconds between a remembered start and a sleep's
constexpr double kLogEndReach = 180.0;      // seconds between a logged end and the wake
constexpr std::size_t kHolderEntries = 30;

long long wholeMinutes(const SleepSession& s) {
  return std::chrono::duration_cast<std::chrono::minutes>(s.end - s.start).count();
}

// "qel.sleepHolders": remembered start (decimal seconds) → names. Another shape reads as empty.
std::map<std::string, std::vector<std::string>> readHolders(const Defaults& defaults) {
  std::map<std::string, std::vector<std::string>> out;
  const auto value = defaults.value("qel.sleepHolders");
  if (!value || !value->is_object()) return {};
  for (auto it = value->begin(); it != value->end(); ++it) {
    if (!it.value().is_array()) return {};
    std::vector<std::string> names;
    for (const auto& n : it.value()) {
      if (!n.is_string()) return {};
      names.push_back(n.get<std::string>());
    }
    out.emplace(it.key(), std::move(names));
  }
  return out;
}

std::optional<double> decimal(const std::string& text) {
  double v = 0;
  auto r = std::from_chars(text.data(), text.data() + text.size(), v);
  if (text.empty() || r.ec != std::errc() || r.ptr != text.data() + text.size() || !std::isfinite(v))
    return std::nullopt;
  return v;
}

// "qel.sleepStart" as numbers; absent when missing or when any element is not a number.
std::optional<std::vector<double>> readRememberedStart(const Defaults& defaults) {
  const auto value = defaults.value("qel.sleepStart");
  if (!value || !value->is_array()) return std::nullopt;
  std::vector<double> out;
  for (const auto& v : *value) {
    if (!v.is_number()) return std::nullopt;
    out.push_back(v.get<double>());
  }
  return out;
}

bool overlaps(const SleepSession& a, const SleepSession& b) { return a.start < b.end && b.start < a.end; }

// The sleep the log doesn't show, made from what was remembered at will-sleep; absent when it
// isn't wanted: the log has a sleep ending near the wake, the remembered start is stale, or the
// log has this sleep already (a made-up session must never replace the log's own).
std::optional<SleepSession> madeUpSession(const std::vector<SleepSession>& found, Date wokeAt,
                                          const std::vector<double>& remembered, Date rememberedAfter,
                                          std::optional<int> chargeNow) {
  if (remembered.size() != 3) return std::nullopt;
  for (const auto& s : found)
    if (std::fabs(toSeconds(s.end) - toSeconds(wokeAt)) < kLogEndReach) return std::nullopt;
  // Beyond what the clock can hold (the year 2255).
  if (!std::isfinite(remembered[0]) || std::fabs(remembered[0]) > 9e9) return std::nullopt;
  SleepSession made{.start = fromSeconds(remembered[0]), .end = wokeAt, .chargeEnd = chargeNow,
                    .onBattery = remembered[2] > 0};
  if (made.start <= rememberedAfter) return std::nullopt;
  if (remembered[1] >= 0 && remembered[1] <= 100) made.chargeStart = int(remembered[1]);
  if (wholeMinutes(made) < 30) return std::nullopt;
  for (const auto& s : found)
    if (overlaps(s, made)) return std::nullopt;
  return made;
}

}  // namespace

void Store::setSleepReport(std::optional<SleepSession> session) { assign(navigation_.sleepReport, std::move(session), Concern::navigation); }

void Store::installSleepWatch() {
  reloadSleeps();
  refreshSleepLog(std::nullopt);
  if (!watchSleep_) return;
  sleepWatch_ = SleepWatch::open([this](bool sleeping) { sleepWatchSaysSleeping(sleeping); },
                                 L("Saving the day before sleep"));
  processSleepWatch();
}

int Store::sleepWatchFd() const { return sleepWatch_ ? sleepWatch_->fd() : -1; }

void Store::processSleepWatch() {
  if (sleepWatch_) sleepWatch_->process();
}

void Store::sleepWatchSaysSleeping(bool sleeping) {
  if (!sleeping) {
    noteDidWake();
    return;
  }
  noteWillSleep();
  // The sleep waits for the current slot to reach the database.
  saveDay();
  auto release = [this] {
    if (sleepWatch_) sleepWatch_->release();
  };
  if (history_) history_->afterWrites([this, release] { onMain(release); });
  else release();
}

void Store::noteWillSleep() {
  const double t = toSeconds(clock_.now());
  const double charge = liveReadings_.battery.present ? double(liveReadings_.battery.percent) : -1.0;
  const double onBattery = liveReadings_.battery.present && !liveReadings_.battery.onAC ? 1.0 : 0.0;
  defaults_.set("qel.sleepStart", Json::array({t, charge, onBattery}));

  std::vector<std::string> names;
  for (const auto& holder : liveReadings_.wake) {
    if (holder.displayOnly) continue;
    auto p = proc(holder.pid);
    std::string name = p ? p->name : holder.name;
    if (!name.empty()) names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end());
  names.erase(std::unique(names.begin(), names.end()), names.end());

  auto holders = readHolders(defaults_);
  holders[std::to_string(static_cast<long long>(std::trunc(t)))] = std::move(names);
  // Keys are whole seconds of the same width for centuries: text order is time order.
  while (holders.size() > kHolderEntries) holders.erase(holders.begin());
  defaults_.set("qel.sleepHolders", holders);
}

void Store::noteDidWake() {
  const Date now = clock_.now();
  // A remembered start from before this run or before the previous wake is another sleep's.
  const Date after = std::max(launchDate_, lastWake_.value_or(launchDate_));
  lastWake_ = now;
  if (markWatch_) addMark("wake", "");
  onMainAfter(kRefreshAfterWake, [this, now, after] { refreshSleepLog(now, after); });
}

void Store::reloadSleeps() {
  if (!history_) return;
  const Date since = clock_.now() - std::chrono::hours(24) * std::max(setting(Setting::keepDays), 30);
  auto list = history_->loadSleeps(since);
  std::vector<std::pair<double, std::vector<std::string>>> remembered;
  for (auto& [key, names] : readHolders(defaults_))
    if (auto at = decimal(key)) remembered.emplace_back(*at, std::move(names));
  for (auto& session : list) {
    const double s = toSeconds(session.start);
    const std::vector<std::string>* best = nullptr;
    double bestDistance = 0;
    for (const auto& [at, names] : remembered) {
      const double d = std::fabs(at - s);
      if (!best || d < bestDistance) best = &names, bestDistance = d;
    }
    if (best && bestDistance < kHolderReach) session.holders = *best;
  }
  assign(sleepRecord_.sleeps, std::move(list), Concern::sleep);
}

void Store::refreshSleepLog(std::optional<Date> wokeAt, Date rememberedAfter) {
  if (sleepRecord_.sleepBusy) return;
  sleepRecord_.sleepBusy = true;
  const auto remembered = readRememberedStart(defaults_);
  const std::optional<int> chargeNow = liveReadings_.battery.present ? std::optional(liveReadings_.battery.percent) : std::nullopt;
  asideQueue_.async([this, wokeAt, rememberedAfter, remembered, chargeNow] {
    std::vector<SleepSession> found;
    if (sleepLog_)
      if (auto logged = sleepLog_()) found = std::move(*logged);
    if (wokeAt && remembered)
      if (auto made = madeUpSession(found, *wokeAt, *remembered, rememberedAfter, chargeNow))
        found.push_back(std::move(*made));
    onMain([this, found = std::move(found)]() mutable {
      sleepRecord_.sleepBusy = false;
      if (found.empty() || !history_) return;
      history_->save(std::move(found));
      reloadSleeps();
    });
  });
}

std::optional<SleepSession> Store::lastSleep() const {
  for (auto it = sleepRecord_.sleeps.rbegin(); it != sleepRecord_.sleeps.rend(); ++it) {
    if (wholeMinutes(*it) < 60) continue;
    if (clock_.now() - it->end < std::chrono::hours(16)) return *it;
    return std::nullopt;
  }
  return std::nullopt;
}

std::optional<double> Store::usualDropPerHour(const SleepSession& excluding) const {
  std::vector<double> rates;
  for (const auto& s : sleepRecord_.sleeps) {
    if (s.start == excluding.start || wholeMinutes(s) < 60 || !s.onBattery || !s.chargeStart || !s.chargeEnd)
      continue;
    const double drop = std::max(*s.chargeStart - *s.chargeEnd, 0);
    rates.push_back(drop / (double(wholeMinutes(s)) / 60.0));
  }
  if (rates.size() < 3) return std::nullopt;
  double sum = 0;
  for (double r : rates) sum += r;
  return sum / double(rates.size());
}

std::vector<SleepSpan> Store::sleepSpans() const { return spansOnDay<SleepSpan>(sleepRecord_.sleeps, shownDayStart()); }

std::optional<SleepSession> Store::selectedSleep() const {
  if (dayView_.ringMode != RingMode::day || !dayView_.selectedSlot) return std::nullopt;
  const auto spans = sleepSpans();
  if (const auto* span = spanAt(spans, *dayView_.selectedSlot)) return span->session;
  return std::nullopt;
}

std::optional<SleepWake> Store::selectedWake() const {
  const auto sleep = selectedSleep();
  if (!sleep || !dayView_.selectedSlot || sleep->wakes.empty()) return std::nullopt;
  const Date dayStart = shownDayStart();
  const Date dayEnd = dayAfter(dayStart);
  for (const auto& w : sleep->wakes) {
    if (w.date < dayStart || w.date >= dayEnd) continue;
    if (std::abs(slotOf(w.date) - *dayView_.selectedSlot) < 2) return w;
  }
  return std::nullopt;
}

std::string Store::sleepSummary(const SleepSession& session) const {
  std::string out = L("Slept %@", {fmtDuration(std::max(wholeMinutes(session), 0LL))});
  if (session.onBattery && session.chargeStart && session.chargeEnd)
    out += " · " + L("battery −%@%", {std::to_string(std::max(*session.chargeStart - *session.chargeEnd, 0))});
  out += " · " + L("wakes: %@", {std::to_string(session.wakes.size())});
  return out;
}

}  // namespace qel
