#include "Qel/History/Retention.hpp"

#include <algorithm>

#include "Qel/Platform/Runtime/Calendar.hpp"

namespace qel {
namespace {

// The newest valid day key of `days` before `day` that `skip` does not hold.
std::optional<std::string> newestBefore(const std::string& day, const std::vector<std::string>& days,
                                        const std::vector<std::string>& skip = {}) {
  std::optional<std::string> newest;
  for (const auto& d : days)
    if (isDayKey(d) && d < day && (!newest || d > *newest) && std::find(skip.begin(), skip.end(), d) == skip.end())
      newest = d;
  return newest;
}

}  // namespace

std::optional<std::string> pruneBefore(const std::string& today, const std::vector<std::string>& recordedDays,
                                       int keepDays, const std::vector<std::string>& unsureDays) {
  if (keepDays < 1 || !isDayKey(today)) return std::nullopt;
  const bool todayRecorded = std::find(recordedDays.begin(), recordedDays.end(), today) != recordedDays.end();
  const auto previous = newestBefore(today, recordedDays, unsureDays);
  // With no earlier day there is nothing older to drop.
  if (!todayRecorded || !previous) return std::nullopt;
  const auto next = addDays(*previous, 1);
  if (!next) return std::nullopt;
  return addDays(std::min(today, *next), -keepDays);
}

bool jumpsPastHistory(const std::string& day, const std::vector<std::string>& recordedDays, int keepDays) {
  if (keepDays < 1 || !isDayKey(day)) return false;
  const auto newest = newestBefore(day, recordedDays);
  if (!newest) return false;
  const auto reach = addDays(*newest, keepDays);
  return reach && day > *reach;
}

}  // namespace qel
