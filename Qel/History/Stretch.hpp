#pragma once
// A span of time the user marked by hand, with what the machine did during it.
#include <optional>
#include <string>
#include <vector>

#include "Qel/Platform/Runtime/Clock.hpp"

namespace qel {

struct StretchApp {
  std::string name;
  double share{};  // fraction of the CPU summed over all apps of the stretch
  bool operator==(const StretchApp&) const = default;
};

struct Stretch {
  Date start{};  // also its identity and its key in the database
  Date end{};
  std::string name;
  double peak{};     // highest CPU load, a fraction
  double average{};  // mean CPU load, a fraction
  double wattHours{};
  std::optional<double> ratio;  // average over the usual load of the start's slot
  std::vector<StretchApp> top;  // at most four busiest apps, busiest first
  std::vector<double> series;   // down-sampled CPU load
  bool operator==(const Stretch&) const = default;
};

}  // namespace qel
