#pragma once
// Batteries of peripherals (wireless mice, keyboards, pens) that the kernel lists under
// /sys/class/power_supply with scope "Device", as opposed to the machine's own battery.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Qel/Platform/Proc/SysRoot.hpp"

namespace qel {

struct DeviceBattery {
  std::string supply;                    // the entry's name, e.g. "hid-aa:bb:cc:dd:ee:ff-battery"
  std::string model;                     // MODEL_NAME as UTF-8; may be ""
  std::optional<std::int64_t> capacity;  // CAPACITY in percent as reported, unchecked
  bool present = true;

  bool operator==(const DeviceBattery&) const = default;
};

// One entry's uevent text; absent unless its scope is Device.
std::optional<DeviceBattery> parseDeviceBattery(std::string_view supply, std::string_view uevent);

// Every Device-scope entry under <root>/sys/class/power_supply, in name order.
std::vector<DeviceBattery> readDeviceBatteries(const SysRoot& root);

}  // namespace qel
