#include "Qel/History/Retention.hpp"

#include <algorithm>

#include "Qel/Platform/Calendar.hpp"

namespace qel {

std::optional<std::string> pruneBefore(const std::string& today, const std::vector<std::string>& recordedDays,
                                       int keepDays) {
  if (keepDays < 1 || !isDayKey(today)) return std::nullopt;
  bool todayRecorded = false;
  std::optional<std::string> previous;
  for (const auto& day : recordedDays) {
    if (day == today)
      todayRecorded = true;
    else if (isDayKey(day) && day < today && (!previous || day > *previous))
      previous = day;
  }
  // With no earlier day there is nothing older to drop.
  if (!todayRecorded || !previous) return std::nullopt;
  const auto next = addDays(*previous, 1);
  if (!next) return std::nullopt;
  return addDays(std::min(today, *next), -keepDays);
}

}  // namespace qel
