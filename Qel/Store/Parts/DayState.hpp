#pragma once
// The day on show: its slots, events and marks, the ring's mode and selection.
// The store holds this part's state and changes it; a view given the part reads it and follows its
// notice, nothing else.
#include "Qel/Store/Parts/StorePart.hpp"

namespace qel {

struct DayView {
  std::vector<std::optional<DayBucket>> day = std::vector<std::optional<DayBucket>>(kSlotsPerDay);
  std::vector<std::optional<DayBucket>> pastDay = std::vector<std::optional<DayBucket>>(kSlotsPerDay);
  std::vector<DayEvent> flaggedEvents;
  RingMode ringMode = RingMode::day;
  std::optional<int> selectedSlot;
  std::optional<std::string> viewDay;
  std::vector<DayMark> marks;
  std::vector<std::string> recordedDays;
};

class DayState : public StorePart<Concern::day> {
 public:
  explicit DayState(const Store& store);

  const std::vector<std::optional<DayBucket>>& day() const { return state_.day; }
  const std::vector<std::optional<DayBucket>>& pastDay() const { return state_.pastDay; }
  const std::vector<std::optional<DayBucket>>& shownDay() const;
  const std::vector<DayEvent>& flaggedEvents() const { return state_.flaggedEvents; }
  std::vector<DayEvent> events() const;
  std::optional<DayEvent> selectedEvent() const;
  RingMode ringMode() const { return state_.ringMode; }
  std::optional<int> selectedSlot() const { return state_.selectedSlot; }
  Moment moment() const;
  int nowSlot() const;
  int maxSlot() const;
  std::optional<std::string> viewDay() const { return state_.viewDay; }
  bool canStepDay(int delta) const;
  std::string dayTitle(const std::optional<std::string>& key) const;
  std::string slotLabel(int slot) const;
  std::string shortDay(const std::string& key) const;
  std::string todayKey() const;
  Date shownDayStart() const;
  const std::vector<DayMark>& marks() const { return state_.marks; }
  const std::vector<DayMark>& shownMarks() const;
  std::vector<DayMark> selectedMarks() const;
  std::optional<DayMark> markBefore(const DayEvent& event) const;
  StatusLine status() const;
  std::string baselineNote() const;
  PosterData posterData() const;
  // Drawn from the sleeps and the stretches: who shows them follows those too.
  std::vector<SleepSpan> sleepSpans() const;
  std::vector<StretchSpan> stretchSpans() const;
  const std::vector<std::string>& recordedDays() const { return state_.recordedDays; }

 private:
  const DayView& state_;
};

}  // namespace qel
