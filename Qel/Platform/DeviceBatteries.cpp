#include "Qel/Platform/DeviceBatteries.hpp"

#include <algorithm>
#include <charconv>
#include <filesystem>

#include "Qel/Text/Utf8.hpp"

namespace qel {
namespace {

std::optional<std::int64_t> integer(std::string_view text) {
  std::int64_t value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc{} || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

}  // namespace

std::optional<DeviceBattery> parseDeviceBattery(std::string_view supply, std::string_view uevent) {
  DeviceBattery battery{.supply = repairUtf8(supply)};
  bool deviceScope = false;
  while (!uevent.empty()) {
    const auto nl = uevent.find('\n');
    const std::string_view line = uevent.substr(0, nl);
    uevent.remove_prefix(nl == std::string_view::npos ? uevent.size() : nl + 1);
    const auto eq = line.find('=');
    if (eq == std::string_view::npos) continue;
    const std::string_view key = line.substr(0, eq), value = line.substr(eq + 1);
    if (key == "POWER_SUPPLY_SCOPE") deviceScope = value == "Device";
    else if (key == "POWER_SUPPLY_MODEL_NAME") battery.model = repairUtf8(value);
    else if (key == "POWER_SUPPLY_CAPACITY") battery.capacity = integer(value);
    else if (key == "POWER_SUPPLY_PRESENT") battery.present = value != "0";
  }
  if (!deviceScope) return std::nullopt;
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
