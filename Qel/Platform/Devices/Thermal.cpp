#include "Qel/Platform/Devices/Thermal.hpp"

#include <algorithm>
#include <system_error>

#include "Qel/Platform/Proc/ProcText.hpp"

namespace qel {
namespace {
constexpr int kMaxTrips = 64;
}

TripType parseTripType(std::string_view text) {
  text = trim(text);
  if (text == "active") return TripType::active;
  if (text == "passive") return TripType::passive;
  if (text == "hot") return TripType::hot;
  if (text == "critical") return TripType::critical;
  return TripType::other;
}

std::optional<std::int64_t> parseTemperature(std::string_view text) { return parseI64(text); }

ThermalReader::ThermalReader(const SysRoot& root) {
  std::error_code ec;
  std::vector<std::filesystem::path> dirs;
  for (std::filesystem::directory_iterator it(root.sys("class/thermal"), ec), end; !ec && it != end;
       it.increment(ec)) {
    if (it->path().filename().string().starts_with("thermal_zone")) dirs.push_back(it->path());
  }
  std::sort(dirs.begin(), dirs.end());
  for (const auto& dir : dirs) {
    if (const auto mode = readText(dir / "mode", 64); mode && trim(*mode) == "disabled") continue;
    Zone zone{dir.filename().string(), KeptFile(dir / "temp"), {}};
    for (int i = 0; i < kMaxTrips; ++i) {
      const auto prefix = "trip_point_" + std::to_string(i);
      KeptFile type(dir / (prefix + "_type"));
      if (!type.isOpen()) break;
      zone.trips.push_back({std::move(type), KeptFile(dir / (prefix + "_temp"))});
    }
    zones_.push_back(std::move(zone));
  }
}

std::vector<ThermalZone> ThermalReader::read() {
  std::vector<ThermalZone> out;
  for (const auto& zone : zones_) {
    if (!zone.temp.read(buffer_, 64)) continue;
    const auto temp = parseTemperature(buffer_);
    if (!temp) continue;
    ThermalZone z{zone.name, *temp, {}};
    for (const auto& trip : zone.trips) {
      if (!trip.type.read(buffer_, 64)) continue;
      const auto type = parseTripType(buffer_);
      if (!trip.temp.read(buffer_, 64)) continue;
      if (const auto t = parseTemperature(buffer_)) z.trips.push_back({type, *t});
    }
    out.push_back(std::move(z));
  }
  return out;
}

}  // namespace qel
