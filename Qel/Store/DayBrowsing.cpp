// Looking back: the past day on show, stepping between recorded days, the selected slot, the
// moment under the ring's centre and erasing the history.
#include <algorithm>
#include <cstdio>

#include "Qel/Store/LiveSeries.hpp"
#include "Qel/Store/Store.hpp"
#include "Qel/Text/Loc.hpp"
#include "Qel/Text/LocalizedDate.hpp"

namespace qel {
namespace {

// Today's key last: the days the user can step through, oldest first.
std::vector<std::string> browsable(const std::vector<std::string>& recorded, const std::string& today) {
  std::vector<std::string> days;
  for (const auto& d : recorded)
    if (d != today) days.push_back(d);
  std::sort(days.begin(), days.end());
  days.push_back(today);
  return days;
}

std::optional<std::size_t> stepTarget(const std::vector<std::string>& days, const std::string& from, int delta) {
  const auto it = std::find(days.begin(), days.end(), from);
  if (it == days.end()) return std::nullopt;
  const long j = long(it - days.begin()) + delta;
  if (j < 0 || j >= long(days.size())) return std::nullopt;
  return std::size_t(j);
}

std::optional<DayBucket> slotAt(const std::vector<std::optional<DayBucket>>& day, int slot) {
  if (slot < 0 || std::size_t(slot) >= day.size()) return std::nullopt;
  return day[std::size_t(slot)];
}

// A local date in the middle of a day: never in a daylight-saving gap, always on that day.
std::optional<Date> middayOf(std::string_view key) {
  const auto start = dayStart(key);
  if (!start) return std::nullopt;
  return *start + std::chrono::hours(12);
}

}  // namespace

void Store::showDay(std::optional<std::string> key) {
  dayView_.selectedSlot.reset();
  if (key && *key != dayKey_) {
    dayView_.pastDay = history_ ? history_->loadDay(*key) : std::vector<std::optional<DayBucket>>{};
    dayView_.pastDay.resize(kSlotsPerDay);
    pastFlagged_ = history_ ? history_->loadEvents(*key) : std::vector<DayEvent>{};
    pastMarks_ = history_ ? history_->loadMarks(*key) : std::vector<DayMark>{};
    dayView_.viewDay = std::move(key);
    dayView_.ringMode = RingMode::day;
  } else {
    dayView_.viewDay.reset();
  }
  changed(Concern::day);
}

void Store::stepDay(int delta) {
  const auto days = browsable(dayView_.recordedDays, dayKey_);
  const auto j = stepTarget(days, dayView_.viewDay.value_or(dayKey_), delta);
  if (!j) return;
  if (days[*j] == dayKey_)
    showDay(std::nullopt);
  else
    showDay(days[*j]);
}

bool Store::canStepDay(int delta) const {
  return stepTarget(browsable(dayView_.recordedDays, dayKey_), dayView_.viewDay.value_or(dayKey_), delta).has_value();
}

std::string Store::dayTitle(const std::optional<std::string>& key) const {
  if (!key || *key == dayKey_) return L("Today");
  const auto date = middayOf(*key);
  if (!date) return L("Today");
  if (addDays(todayKey(), -1) == *key) return L("Yesterday");
  return localizedDate(*date, "MMMdEEE", Loc::code());
}

std::string Store::slotLabel(int slot) const {
  char time[32];
  // Slots count wall-clock time: slot 87 is 14:30 on every day, with or without a clock change.
  std::snprintf(time, sizeof time, " %02d:%02d", slot / 6, slot % 6 * 10);
  return dayTitle(dayView_.viewDay) + time;
}

std::string Store::shortDay(const std::string& key) const {
  const auto date = middayOf(key);
  return date ? localizedDate(*date, "MMMd", Loc::code()) : key;
}

int Store::maxSlot() const {
  if (dayView_.ringMode == RingMode::live) return int(kHistoryLength) - 1;
  return dayView_.viewDay ? kSlotsPerDay - 1 : nowSlot();
}

void Store::select(int slot) {
  const int top = maxSlot();
  int s = std::clamp(slot, 0, top);
  // Next to an event's slot the selection takes the event's: its note, the ring's centre and the
  // rows then speak of one moment.
  if (dayView_.ringMode == RingMode::day) {
    const auto all = events();
    const auto at = [&](int t) { return std::any_of(all.begin(), all.end(), [t](const DayEvent& e) { return e.slot == t; }); };
    if (!at(s)) {
      if (s > 0 && at(s - 1)) s = s - 1;
      else if (s < top && at(s + 1)) s = s + 1;
    }
  }
  assign(dayView_.selectedSlot, !dayView_.viewDay && s == top ? std::nullopt : std::optional(s), Concern::day);
}

Moment Store::moment() const {
  auto ofSlot = [&](const std::vector<std::optional<DayBucket>>& day, int s) {
    const auto b = slotAt(day, s);
    return Moment{.label = slotLabel(s),
                  .cpu = b ? std::optional(b->cpu) : std::nullopt,
                  .mem = b ? std::optional(b->mem) : std::nullopt,
                  .isNow = false};
  };
  if (dayView_.ringMode == RingMode::day && dayView_.viewDay) {
    if (dayView_.selectedSlot) return ofSlot(dayView_.pastDay, *dayView_.selectedSlot);
    double cpu = 0, mem = 0;
    int n = 0;
    for (const auto& b : dayView_.pastDay) {
      if (!b) continue;
      cpu += b->cpu;
      mem += b->mem;
      ++n;
    }
    if (n == 0) return {.label = dayTitle(dayView_.viewDay), .cpu = {}, .mem = {}, .isNow = false};
    return {.label = L("%@, daily average", {dayTitle(dayView_.viewDay)}), .cpu = cpu / n, .mem = mem / n, .isNow = false};
  }
  if (!dayView_.selectedSlot || *dayView_.selectedSlot >= maxSlot())
    return {.label = L("Now"), .cpu = liveReadings_.cpu.total, .mem = memFraction(liveReadings_.mem), .isNow = true};
  const int s = *dayView_.selectedSlot;
  if (dayView_.ringMode == RingMode::live) {
    const bool known = s >= 0 && std::size_t(s) < liveReadings_.cpuHist.size() && std::size_t(s) < liveReadings_.memHist.size();
    return {.label = L("%@ s ago", {std::to_string(int(kHistoryLength) - 1 - s)}),
            .cpu = known ? std::optional(liveReadings_.cpuHist[std::size_t(s)]) : std::nullopt,
            .mem = known ? std::optional(liveReadings_.memHist[std::size_t(s)]) : std::nullopt,
            .isNow = false};
  }
  return ofSlot(dayView_.day, s);
}

void Store::eraseHistory() {
  if (!history_) {
    show(L("History could not be erased"));
    return;
  }
  // Memory is cleared once the rows are: a failed erase keeps everything as it was, and says
  // so, rather than reporting success over a history that is still there.
  history_->eraseAll([this](const HistoryErase& outcome) {
    onMain([this, outcome] {
      if (outcome.erased)
        forgetHistory(outcome.note);
      else
        show(L("History could not be erased"));
    });
  });
}

void Store::forgetHistory(const std::string& note) {
  dayView_.day.assign(kSlotsPerDay, std::nullopt);
  dayView_.flaggedEvents.clear();
  dayView_.marks.clear();
  pastMarks_.clear();
  appUsage_.clear();
  stretchLog_.stretches.clear();
  stretchLog_.recording.reset();
  sleepRecord_.sleeps.clear();
  lastSavedSlot_ = -1;
  insightFindings_.insight.setBaseline(std::vector<BaselineSlot>(kSlotsPerDay));
  dayView_.selectedSlot.reset();
  dayView_.viewDay.reset();
  changed(Concern::all);
  refreshHistoryInfo();
  show(note.empty() ? L("History erased")
                    : L("History erased, but traces of it may remain in the file: %@", {note}));
}

}  // namespace qel
