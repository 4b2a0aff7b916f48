#pragma once
// The sleeps of the last days and the one of the selected slot.
// The store holds this part's state and changes it; a view given the part reads it and follows its
// notice, nothing else.
#include "Qel/Store/Parts/StorePart.hpp"

namespace qel {

struct SleepRecord {
  std::vector<SleepSession> sleeps;
  bool sleepBusy = false;                   // a read of the system's log is under way
  std::optional<SleepSession> sleepAtOpen;  // the last sleep as of the last tick, for the menu panel
};

class SleepState : public StorePart<Concern::sleep> {
 public:
  explicit SleepState(const Store& store);

  const std::vector<SleepSession>& sleeps() const { return state_.sleeps; }
  bool sleepBusy() const { return state_.sleepBusy; }
  std::optional<SleepSession> lastSleep() const;
  const std::optional<SleepSession>& sleepAtOpen() const { return state_.sleepAtOpen; }
  std::optional<double> usualDropPerHour(const SleepSession& excluding) const;
  // Of the ring's selected slot: who shows them follows the day too.
  std::optional<SleepSession> selectedSleep() const;
  std::optional<SleepWake> selectedWake() const;
  std::string sleepSummary(const SleepSession& session) const;

 private:
  const SleepRecord& state_;
};

}  // namespace qel
