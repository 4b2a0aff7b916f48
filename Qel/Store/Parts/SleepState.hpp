#pragma once
// The sleeps of the last days and the one of the selected slot.
// A read-only view of that part of the store with the notice of its changes: a view given this
// one can read and follow nothing else.
#include "Qel/Store/Parts/StorePart.hpp"

namespace qel {

class SleepState : public StorePart<Concern::sleep> {
 public:
  using StorePart::StorePart;

  const std::vector<SleepSession>& sleeps() const;
  bool sleepBusy() const;
  std::optional<SleepSession> lastSleep() const;
  const std::optional<SleepSession>& sleepAtOpen() const;
  std::optional<double> usualDropPerHour(const SleepSession& excluding) const;
  // Of the ring's selected slot: who shows them follows the day too.
  std::optional<SleepSession> selectedSleep() const;
  std::optional<SleepWake> selectedWake() const;
  std::string sleepSummary(const SleepSession& session) const;
};

}  // namespace qel
