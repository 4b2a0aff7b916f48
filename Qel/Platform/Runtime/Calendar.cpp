#include "Qel/Platform/Runtime/Calendar.hpp"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <ctime>

namespace qel {
namespace {

std::tm localParts(Date d) {
  const std::time_t t = std::chrono::system_clock::to_time_t(d);
  std::tm tm{};
  localtime_r(&t, &tm);
  return tm;
}

struct Ymd {
  int y, m, d;
};

std::optional<Ymd> parseKey(std::string_view key) {
  if (key.size() != 10 || key[4] != '-' || key[7] != '-') return std::nullopt;
  auto num = [&](std::size_t at, std::size_t len) -> int {
    int v = 0;
    for (std::size_t i = at; i < at + len; ++i) {
      if (key[i] < '0' || key[i] > '9') return -1;
      v = v * 10 + (key[i] - '0');
    }
    return v;
  };
  const int y = num(0, 4), m = num(5, 2), d = num(8, 2);
  if (y < 1 || m < 1 || m > 12 || d < 1) return std::nullopt;
  static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
  if (d > days[m - 1] + (m == 2 && leap ? 1 : 0)) return std::nullopt;
  return Ymd{y, m, d};
}

// Local time of a wall clock reading; tm_isdst = -1 lets the C library pick the offset.
std::optional<Date> localDate(int y, int m, int d, int hour, int minute) {
  std::tm tm{};
  tm.tm_year = y - 1900;
  tm.tm_mon = m - 1;
  tm.tm_mday = d;
  tm.tm_hour = hour;
  tm.tm_min = minute;
  tm.tm_isdst = -1;
  const std::time_t t = mktime(&tm);
  if (t == std::time_t(-1)) return std::nullopt;
  return std::chrono::system_clock::from_time_t(t);
}

}  // namespace

std::string dayKey(Date d) {
  const std::tm tm = localParts(d);
  char buf[64];  // room for any int the formatter could be handed
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", std::clamp(tm.tm_year + 1900, 0, 9999),
                tm.tm_mon + 1, tm.tm_mday);
  return buf;
}

int slotOf(Date d) {
  const std::tm tm = localParts(d);
  return std::min((tm.tm_hour * 60 + tm.tm_min) / 10, kSlotsPerDay - 1);
}

Date startOfDay(Date d) {
  const std::tm tm = localParts(d);
  return localDate(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, 0, 0).value_or(d);
}

bool isDayKey(std::string_view key) { return parseKey(key).has_value(); }

std::optional<Date> dayStart(std::string_view key) {
  const auto p = parseKey(key);
  if (!p) return std::nullopt;
  return localDate(p->y, p->m, p->d, 0, 0);
}

std::optional<std::string> addDays(std::string_view key, int days) {
  const auto p = parseKey(key);
  if (!p) return std::nullopt;
  // Noon never falls into a daylight-saving gap, so stepping from it lands on the right day.
  std::tm tm{};
  tm.tm_year = p->y - 1900;
  tm.tm_mon = p->m - 1;
  tm.tm_mday = p->d + days;
  tm.tm_hour = 12;
  tm.tm_isdst = -1;
  if (mktime(&tm) == std::time_t(-1)) return std::nullopt;
  char buf[64];  // room for any int the formatter could be handed
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", std::clamp(tm.tm_year + 1900, 0, 9999), tm.tm_mon + 1,
                tm.tm_mday);
  return std::string(buf);
}

}  // namespace qel
