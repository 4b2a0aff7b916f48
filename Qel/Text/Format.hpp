#pragma once
// The shared formatters. Numbers always use a point and no grouping, whatever the process
// locale; a value that is not finite shows as "—".
#include <cstdint>
#include <string>
#include <utility>

#include "Qel/Platform/Runtime/Clock.hpp"

namespace qel {

std::string fmtDuration(long long minutes);       // "59 min", "1 h", "2 h 30 min" (localised)
std::string fmtBytes(std::uint64_t bytes);         // "%.1f GB" from 2^30, else "%.0f MB"
std::string fmtPercent(double fraction);           // 0.874 → "87%"
std::string fmtRate(double bytesPerSecond);        // "%.1f MB/s" from 2^20, else "%.0f KB/s"
std::pair<std::string, std::string> splitRate(double bytesPerSecond);  // ("3.0", "MB/s")
std::string fmtWattHours(double wh);               // "%.0f mWh" below 1 Wh, else "%.1f Wh"

// The value rounded to a whole number, halves away from zero ("—" when not finite).
std::string wholeNumber(double value);

// Formats a value with a fixed number of decimals, locale-independent.
std::string fixed(double value, int decimals);

// "HH:mm" in local time.
class ClockFormatter {
 public:
  std::string string(Date d) const;
};
const ClockFormatter& clockFormatter();

}  // namespace qel
