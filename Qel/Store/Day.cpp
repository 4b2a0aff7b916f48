// Today's 144 ten-minute slots: recording, saving, loading and the midnight rollover.
#include "Qel/History/Retention.hpp"
#include "Qel/Platform/Runtime/Calendar.hpp"
#include "Qel/Store/DayRecorder.hpp"
#include "Qel/Store/Store.hpp"

namespace qel {

void Store::record(double cpu, double mem, double pressure, Date now) {
  const std::string key = dayKey(now);
  if (key != dayKey_) rollOver(key);

  const int s = slotOf(now);
  // The slot just finished is written once, when the next one gets its first sample.
  if (lastSavedSlot_ >= 0 && lastSavedSlot_ != s && dayView_.day[std::size_t(lastSavedSlot_)] && history_) {
    history_->save(dayKey_, lastSavedSlot_, *dayView_.day[std::size_t(lastSavedSlot_)]);
    savedToday();
  }
  lastSavedSlot_ = s;

  dayView_.day[std::size_t(s)] = foldSample(dayView_.day[std::size_t(s)], cpu, mem, pressure, processList_.procs);
  changed(Concern::day);
}

void Store::rollOver(const std::string& key) {
  if (lastSavedSlot_ >= 0 && !dayKey_.empty() && dayView_.day[std::size_t(lastSavedSlot_)] && history_)
    history_->save(dayKey_, lastSavedSlot_, *dayView_.day[std::size_t(lastSavedSlot_)]);
  checkClockJump(key);
  // The new day may already have stored rows (the clock was set back, the time zone changed):
  // continue them instead of overwriting them with an empty day.
  loadStoredDay(key);
  lastSavedSlot_ = -1;
  foldPastDays();
  pruneHistory();
  refreshHistoryInfo();
}

void Store::loadStoredDay(const std::string& key) {
  dayKey_ = key;
  if (history_) {
    dayView_.day = history_->loadDay(key);
    dayView_.flaggedEvents = history_->loadEvents(key);
    dayView_.marks = history_->loadMarks(key);
  } else {
    dayView_.day.assign(kSlotsPerDay, std::nullopt);
    dayView_.flaggedEvents.clear();
    dayView_.marks.clear();
  }
  if (dayView_.day.size() != std::size_t(kSlotsPerDay)) dayView_.day.resize(kSlotsPerDay);
  changed(Concern::day);
}

void Store::saveDay() {
  if (dayKey_.empty() || !history_) return;
  const int s = nowSlot();
  bool saved = false;
  if (dayView_.day[std::size_t(s)]) {
    history_->save(dayKey_, s, *dayView_.day[std::size_t(s)]);
    saved = true;
  }
  // The last recorded slot too: quitting in the first second of a new slot must not lose
  // the previous slot's last samples.
  if (lastSavedSlot_ >= 0 && lastSavedSlot_ != s && dayView_.day[std::size_t(lastSavedSlot_)]) {
    history_->save(dayKey_, lastSavedSlot_, *dayView_.day[std::size_t(lastSavedSlot_)]);
    saved = true;
  }
  if (saved && !shutDown_) savedToday();
}

void Store::checkClockJump(const std::string& key) {
  if (!history_) return;
  // A run that jumped stays unsure while its clock goes on forward from there; a step back to
  // the stored days ends it.
  const bool onward = clockJumped_ && !dayKey_.empty() && key > dayKey_;
  clockJumped_ = onward || jumpsPastHistory(key, history_->recordedDays(), setting(Setting::keepDays));
  if (clockJumped_) history_->markUnsure(key);
}

void Store::historyOpened() {
  if (!history_ || dayKey_.empty()) return;
  // Start-up read an empty history. The day's events and marks were all written since, but the
  // slot being recorded is only in memory: the day's earlier slots join it.
  auto recorded = std::move(dayView_.day);
  checkClockJump(dayKey_);
  loadStoredDay(dayKey_);
  for (std::size_t i = 0; i < recorded.size() && i < dayView_.day.size(); ++i)
    if (recorded[i]) dayView_.day[i] = std::move(recorded[i]);
  restoreBaseline();
  foldPastDays();
  pruneHistory();
  refreshHistoryInfo();
  loadStretches();
}

void Store::loadDay() {
  const std::string today = dayKey(clock_.now());
  checkClockJump(today);
  loadStoredDay(today);
  restoreBaseline();
  foldPastDays();
  pruneHistory();
  refreshHistoryInfo();
}

}  // namespace qel
