#pragma once
// The day on show: its slots, events and marks, the ring's mode and selection.
// A read-only view of that part of the store with the notice of its changes: a view given this
// one can read and follow nothing else.
#include "Qel/Store/Parts/StorePart.hpp"

namespace qel {

class DayState : public StorePart<Concern::day> {
 public:
  using StorePart::StorePart;

  const std::vector<std::optional<DayBucket>>& day() const;
  const std::vector<std::optional<DayBucket>>& pastDay() const;
  const std::vector<std::optional<DayBucket>>& shownDay() const;
  const std::vector<DayEvent>& flaggedEvents() const;
  std::vector<DayEvent> events() const;
  std::optional<DayEvent> selectedEvent() const;
  RingMode ringMode() const;
  std::optional<int> selectedSlot() const;
  Moment moment() const;
  int nowSlot() const;
  int maxSlot() const;
  std::optional<std::string> viewDay() const;
  bool canStepDay(int delta) const;
  std::string dayTitle(const std::optional<std::string>& key) const;
  std::string slotLabel(int slot) const;
  std::string shortDay(const std::string& key) const;
  std::string todayKey() const;
  Date shownDayStart() const;
  const std::vector<DayMark>& marks() const;
  const std::vector<DayMark>& shownMarks() const;
  std::vector<DayMark> selectedMarks() const;
  std::optional<DayMark> markBefore(const DayEvent& event) const;
  StatusLine status() const;
  std::string baselineNote() const;
  PosterData posterData() const;
  // Drawn from the sleeps and the stretches: who shows them follows those too.
  std::vector<SleepSpan> sleepSpans() const;
  std::vector<StretchSpan> stretchSpans() const;
  const std::vector<std::string>& recordedDays() const;
};

}  // namespace qel
