#include "Qel/Platform/Devices/DeviceBatteries.hpp"

#include <algorithm>
#include <filesystem>

#include "Qel/Platform/Devices/PowerSupply.hpp"
#include "Qel/Platform/Proc/ProcText.hpp"
#include "Qel/Platform/Utf8.hpp"

namespace qel {

std::optional<DeviceBattery> parseDeviceBattery(std::string_view supply, std::string_view uevent) {
  const auto fields = parseUevent(uevent);
  const auto field = [&](const char* key) -> std::optional<std::string_view> {
    const auto it = fields.find(key);
    if (it == fields.end()) return std::nullopt;
    return std::string_view(it->second);
  };
  if (field("SCOPE") != "Device") return std::nullopt;
  DeviceBattery battery{.supply = repairUtf8(supply)};
  if (const auto model = field("MODEL_NAME")) battery.model = repairUtf8(*model);
  if (const auto capacity = field("CAPACITY")) battery.capacity = parseI64(*capacity);
  if (const auto present = field("PRESENT")) battery.present = *present != "0";
  return battery;
}

std::vector<DeviceBattery> readDeviceBatteries(const SysRoot& root) {
  std::vector<DeviceBattery> batteries;
  std::error_code ec;
  std::filesystem::directory_iterator it(root.sys("class/power_supply"), ec), end;
  for (; !ec && it != end; it.increment(ec)) {
    const auto uevent = readText(it->path() / "uevent", 64 << 10);
    if (!uevent) continue;
    if (auto battery = parseDeviceBattery(it->path().filename().string(), *uevent))
      batteries.push_back(std::move(*battery));
  }
  std::sort(batteries.begin(), batteries.end(),
            [](const DeviceBattery& a, const DeviceBattery& b) { return a.supply < b.supply; });
  return batteries;
}

}  // namespace qel
