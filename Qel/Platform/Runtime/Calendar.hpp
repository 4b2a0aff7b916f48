#pragma once
// Day keys and ten-minute slots, always from local wall-clock hours and minutes, so days with a
// daylight-saving change get their slots right.
#include <optional>
#include <string>
#include <string_view>

#include "Qel/Platform/Runtime/Clock.hpp"

namespace qel {

constexpr int kSlotsPerDay = 144;

// "yyyy-MM-dd" of the local day holding `d` (Gregorian, ASCII digits).
std::string dayKey(Date d);
// min((hour × 60 + minute) / 10, 143) in local time.
int slotOf(Date d);
// Local midnight at the start of the day holding `d`.
Date startOfDay(Date d);
// Local midnight of a day key; absent for anything that is not a valid yyyy-MM-dd.
std::optional<Date> dayStart(std::string_view key);
bool isDayKey(std::string_view key);
// The day key `days` days after `key` (negative goes back); absent for an invalid key.
std::optional<std::string> addDays(std::string_view key, int days);

}  // namespace qel
