#pragma once
// Spans of time laid onto the ten-minute slots of one day for the day ring. Slots come from
// the local wall clock, so a day with a daylight-saving change (23 or 25 hours) maps like any
// other.
#include <optional>
#include <vector>

#include "Qel/History/SleepSession.hpp"
#include "Qel/History/Stretch.hpp"
#include "Qel/Platform/Runtime/Clock.hpp"

namespace qel {

struct SlotRange {
  int from{};  // first slot
  int to{};    // last slot, inclusive, never before `from`
  bool operator==(const SlotRange&) const = default;
};

// The local midnight that ends the day starting at `dayStart`.
Date dayAfter(Date dayStart);

// The slots of the day [dayStart, dayEnd) that [start, end) touches; absent when it doesn't
// (ending exactly at the day's start or starting exactly at its end doesn't touch it).
std::optional<SlotRange> slotRange(Date start, Date end, Date dayStart, Date dayEnd);

struct SleepSpan {
  int from{};
  int to{};
  SleepSession session;
  bool operator==(const SleepSpan&) const = default;
};

struct StretchSpan {
  int from{};
  int to{};
  Stretch stretch;
  bool operator==(const StretchSpan&) const = default;
};

// The spans of the items (with `start` and `end`) that touch the day starting at `dayStart`, in
// list order.
template <class Span, class T>
std::vector<Span> spansOnDay(const std::vector<T>& items, Date dayStart) {
  const Date dayEnd = dayAfter(dayStart);
  std::vector<Span> out;
  for (const auto& item : items)
    if (auto range = slotRange(item.start, item.end, dayStart, dayEnd)) out.push_back({range->from, range->to, item});
  return out;
}

// The first span that holds `slot`, or null.
template <class Span>
const Span* spanAt(const std::vector<Span>& spans, int slot) {
  for (const auto& span : spans)
    if (span.from <= slot && slot <= span.to) return &span;
  return nullptr;
}

}  // namespace qel
