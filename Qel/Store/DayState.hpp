#pragma once
// The day on show: its slots, events and marks, the ring's mode and selection.
// A read-only view of that part of the store with the notice of its changes: a view given this
// one can read and follow nothing else.
#include "Qel/Store/StorePart.hpp"

namespace qel {

class DayState : public StorePart<Concern::day> {
 public:
  using StorePart::StorePart;

  const std::vector<std::optional<DayBucket>>& day() const { return store_.day(); }
  const std::vector<std::optional<DayBucket>>& pastDay() const { return store_.pastDay(); }
  const std::vector<std::optional<DayBucket>>& shownDay() const { return store_.shownDay(); }
  const std::vector<DayEvent>& flaggedEvents() const { return store_.flaggedEvents(); }
  std::vector<DayEvent> events() const { return store_.events(); }
  std::optional<DayEvent> selectedEvent() const { return store_.selectedEvent(); }
  RingMode ringMode() const { return store_.ringMode(); }
  std::optional<int> selectedSlot() const { return store_.selectedSlot(); }
  Moment moment() const { return store_.moment(); }
  int nowSlot() const { return store_.nowSlot(); }
  int maxSlot() const { return store_.maxSlot(); }
  std::optional<std::string> viewDay() const { return store_.viewDay(); }
  bool canStepDay(int delta) const { return store_.canStepDay(delta); }
  std::string dayTitle(const std::optional<std::string>& key) const { return store_.dayTitle(key); }
  std::string slotLabel(int slot) const { return store_.slotLabel(slot); }
  std::string shortDay(const std::string& key) const { return store_.shortDay(key); }
  std::string todayKey() const { return store_.todayKey(); }
  Date shownDayStart() const { return store_.shownDayStart(); }
  const std::vector<DayMark>& marks() const { return store_.marks(); }
  const std::vector<DayMark>& shownMarks() const { return store_.shownMarks(); }
  std::vector<DayMark> selectedMarks() const { return store_.selectedMarks(); }
  std::optional<DayMark> markBefore(const DayEvent& event) const { return store_.markBefore(event); }
  StatusLine status() const { return store_.status(); }
  std::string baselineNote() const { return store_.baselineNote(); }
  PosterData posterData() const { return store_.posterData(); }
  // Drawn from the sleeps and the stretches: who shows them follows those too.
  std::vector<SleepSpan> sleepSpans() const { return store_.sleepSpans(); }
  std::vector<StretchSpan> stretchSpans() const { return store_.stretchSpans(); }
  const std::vector<std::string>& recordedDays() const { return store_.recordedDays(); }
};

}  // namespace qel
