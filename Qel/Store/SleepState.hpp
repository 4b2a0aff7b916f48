#pragma once
// The sleeps of the last days and the one of the selected slot.
// A read-only view of that part of the store with the notice of its changes: a view given this
// one can read and follow nothing else.
#include "Qel/Store/StorePart.hpp"

namespace qel {

class SleepState : public StorePart<Concern::sleep> {
 public:
  using StorePart::StorePart;

  const std::vector<SleepSession>& sleeps() const { return store_.sleeps(); }
  bool sleepBusy() const { return store_.sleepBusy(); }
  std::optional<SleepSession> lastSleep() const { return store_.lastSleep(); }
  const std::optional<SleepSession>& sleepAtOpen() const { return store_.sleepAtOpen(); }
  std::optional<double> usualDropPerHour(const SleepSession& excluding) const {
    return store_.usualDropPerHour(excluding);
  }
  // Of the ring's selected slot: who shows them follows the day too.
  std::optional<SleepSession> selectedSleep() const { return store_.selectedSleep(); }
  std::optional<SleepWake> selectedWake() const { return store_.selectedWake(); }
  std::string sleepSummary(const SleepSession& session) const { return store_.sleepSummary(session); }
};

}  // namespace qel
