#pragma once
// Per-app usage: the running sums of one app since the last flush, and one stored hour of it.
#include <string>

namespace qel {

struct AppUsage {
  std::string name;  // display name
  double cpu{};      // summed CPU in cores (a process at one full core adds 1.0 per tick)
  double mem{};      // summed memory in bytes
  double energy{};   // summed energy figure
  int samples{};     // ticks in which the app had a process
  bool operator==(const AppUsage&) const = default;
};

struct AppHour {
  std::string day;  // yyyy-MM-dd
  int hour{};       // 0 to 23
  double cpu{};
  double mem{};
  double energy{};
  int samples{};
  std::string version;  // empty when unknown
  bool operator==(const AppHour&) const = default;
};

}  // namespace qel
