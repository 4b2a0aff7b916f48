#pragma once
// The battery, charger and power draw of the machine from its power supplies.
#include <optional>
#include <vector>

#include "Qel/Platform/Devices/PowerSupply.hpp"
#include "Qel/Samplers/Samples.hpp"

namespace qel {

// The machine's own battery (type Battery, scope not Device, present); a later one in name order
// replaces an earlier one. A battery whose charge can't be read as 0 to 100 percent is passed
// over. No battery: the no-battery sample.
BatterySample batteryFrom(const std::vector<PowerSupply>& supplies);

// Watts the machine draws from its batteries while running on them; absent on AC or when no
// battery reports its power or current.
std::optional<double> systemPowerFrom(const std::vector<PowerSupply>& supplies);

}  // namespace qel
