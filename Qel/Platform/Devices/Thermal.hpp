#pragma once
// Thermal zones (/sys/class/thermal/thermal_zone*) with their temperature and trip points, in
// millidegrees Celsius. Files are kept open and re-read; disabled zones are left out.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Qel/Platform/Proc/SysRoot.hpp"

namespace qel {

enum class TripType { active, passive, hot, critical, other };

struct TripPoint {
  TripType type{};
  std::int64_t temp{};
  bool operator==(const TripPoint&) const = default;
};

struct ThermalZone {
  std::string name;  // "thermal_zone0"
  std::int64_t temp{};
  std::vector<TripPoint> trips;
  bool operator==(const ThermalZone&) const = default;
};

TripType parseTripType(std::string_view text);
// A temperature file; absent when it is not a number.
std::optional<std::int64_t> parseTemperature(std::string_view text);

class ThermalReader {
 public:
  explicit ThermalReader(const SysRoot& root);
  bool empty() const { return zones_.empty(); }
  // The zones whose temperature can be read now, each with the trip points that can be read.
  std::vector<ThermalZone> read();

 private:
  struct Trip {
    KeptFile type, temp;
  };
  struct Zone {
    std::string name;
    KeptFile temp;
    std::vector<Trip> trips;
  };
  std::vector<Zone> zones_;
  std::string buffer_;
};

}  // namespace qel
