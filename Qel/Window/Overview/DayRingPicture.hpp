#pragma once
// Everything the day ring draws, read from the store in one value: two tracks of slot values,
// the present, the selection and the day's overlays. Two equal pictures draw the same pixels,
// so the ring keeps its drawing until the picture changes.
#include <optional>
#include <vector>

#include "Qel/Store/Enums.hpp"
#include "Qel/Store/Parts/DayState.hpp"
#include "Qel/Store/Parts/InsightState.hpp"
#include "Qel/Store/Parts/LiveState.hpp"

namespace qel {

struct RingSpan {
  int from{};
  int to{};
  bool operator==(const RingSpan&) const = default;
};

struct RingEvent {
  int slot{};
  bool isMemory{};
  bool operator==(const RingEvent&) const = default;
};

struct DayRingPicture {
  RingMode mode = RingMode::day;
  std::vector<std::optional<double>> cpu;  // one per slot; none: no data
  std::vector<std::optional<double>> mem;
  int limit = 0;  // slots from here on lie in today's future
  std::optional<int> selected;
  // Day mode only.
  std::vector<RingSpan> sleeps;
  std::vector<int> darkWakes;  // slots of dark wakes inside the sleeps
  std::vector<std::optional<double>> usual;  // the usual CPU load per slot; empty: not drawn
  std::vector<RingEvent> events;
  std::optional<int> selectedEvent;  // the slot of the selected event
  std::vector<RingSpan> stretches;
  std::vector<int> marks;  // one per slot that has any
  // Both modes.
  std::optional<int> hand;
  bool operator==(const DayRingPicture&) const = default;

  int count() const { return int(cpu.size()); }
};

DayRingPicture dayRingPicture(const LiveState& live, const DayState& day, const InsightState& insights);

// Whether two pictures draw alike: everything equal, and each value within a small fraction
// of a track (no bar moves by a visible amount) and of the same tone. The current slot's mean
// moves a little every second; the ring is not drawn again for that.
bool drawsAlike(const DayRingPicture& a, const DayRingPicture& b);

}  // namespace qel
