#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "Qel/Samplers/Battery.hpp"

// Up to three uevent files separated by NUL bytes, through the battery and power readers.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view all(reinterpret_cast<const char*>(data), size);
  std::vector<qel::PowerSupply> supplies;
  for (int i = 0; i < 3 && !all.empty(); ++i) {
    const auto nul = all.find('\0');
    supplies.push_back({"PS" + std::to_string(i), qel::parseUevent(all.substr(0, nul))});
    all.remove_prefix(nul == std::string_view::npos ? all.size() : nul + 1);
  }
  const auto b = qel::batteryFrom(supplies);
  if (b.percent < 0 || b.percent > 100 || (b.health && *b.health > 100)) __builtin_trap();
  for (const auto& w : {b.charger.adapterWatts, b.charger.inputWatts, b.charger.chargingWatts})
    if (w && !(std::isfinite(*w) && *w >= 0)) __builtin_trap();
  if (const auto p = qel::systemPowerFrom(supplies); p && !(std::isfinite(*p) && *p > 0)) __builtin_trap();
  return 0;
}
