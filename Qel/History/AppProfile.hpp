#pragma once
// What one app did over the last thirty days, from its stored hours: memory per day with its
// version, the busy hours of the day, averages, its share of all apps' energy and how its
// memory changed at its latest version update.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "Qel/History/AppUsage.hpp"

namespace qel {

struct AppProfile {
  struct Day {
    std::string day;
    double mem{};  // mean bytes per recorded tick
    std::string version;  // the last known version of the day, else empty
    bool operator==(const Day&) const = default;
  };
  struct Change {
    std::string version;  // the new version
    std::string day;      // its first day
    int percent{};        // mean memory after against before, minus 100, toward zero
    bool operator==(const Change&) const = default;
  };

  std::vector<Day> days;       // ascending
  std::array<double, 24> hours{};  // CPU per hour of the day, the busiest hour 1.0
  double avgCPU{};             // percent of one core per recorded tick
  double avgMem{};             // bytes per recorded tick
  std::optional<double> energyShare;
  std::optional<Change> change;
  std::vector<int> busiest;    // the peak hour and at most one more, ascending
  bool operator==(const AppProfile&) const = default;

  // `rows` ordered by day and hour; `totalEnergy` of all apps over the same days.
  static AppProfile build(const std::vector<AppHour>& rows, double totalEnergy);
};

}  // namespace qel
