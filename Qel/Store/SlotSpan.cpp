#include "Qel/Store/SlotSpan.hpp"

#include <algorithm>

#include "Qel/Platform/Runtime/Calendar.hpp"

namespace qel {

Date dayAfter(Date dayStart) { return startOfDay(dayStart + std::chrono::hours(36)); }

std::optional<SlotRange> slotRange(Date start, Date end, Date dayStart, Date dayEnd) {
  if (!(end > dayStart && start < dayEnd)) return std::nullopt;
  const int from = slotOf(std::max(start, dayStart));
  // The last second of the day, so a span running past midnight ends in the last slot.
  const Date last = std::min(end, dayEnd - std::chrono::seconds(1));
  // Wall time can run backwards inside a day (the repeated hour in autumn).
  return SlotRange{from, std::max(from, slotOf(last))};
}

}  // namespace qel
