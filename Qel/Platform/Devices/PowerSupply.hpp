#pragma once
// The machine's power supplies (/sys/class/power_supply/*/uevent): batteries, mains and USB
// adapters, and the batteries of attached devices (scope "Device"). Each uevent file holds all
// of a supply's properties, so one read per supply gives a consistent set.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Qel/Platform/Proc/SysRoot.hpp"

namespace qel {

struct PowerSupply {
  std::string name;                            // the folder name: "BAT0", "AC", "ucsi-source-psy-…"
  std::map<std::string, std::string> props;    // "TYPE" → "Battery" (POWER_SUPPLY_ prefix removed)

  std::optional<std::string_view> text(const std::string& key) const;
  // Integer properties: µV, µA, µW, µWh, µAh, percent, counts. Absent when missing or malformed.
  std::optional<std::int64_t> number(const std::string& key) const;
  bool operator==(const PowerSupply&) const = default;
};

// The POWER_SUPPLY_* lines of a uevent file; other lines are ignored.
std::map<std::string, std::string> parseUevent(std::string_view text);

// Every supply that has a readable uevent file, sorted by name.
std::vector<PowerSupply> readPowerSupplies(const SysRoot& root);

}  // namespace qel
