#pragma once
// One ten-minute slot of a day: means of the slot's samples and its CPU peak.
#include <string>

namespace qel {

struct DayBucket {
  double cpu{};       // mean whole-machine CPU load, a fraction (1.0 = all cores busy)
  double mem{};       // mean memory fraction in use
  double pressure{};  // mean memory pressure in percent
  double peak{};      // highest CPU load fraction seen in the slot
  std::string top;    // busiest process when the peak was last reached; empty when none was known
  double topCPU{};    // that process's CPU in percent of one core
  int count{};        // samples folded in
  bool operator==(const DayBucket&) const = default;
};

}  // namespace qel
