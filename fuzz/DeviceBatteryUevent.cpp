#include <cstddef>
#include <cstdint>
#include <string_view>

#include "Qel/Platform/Devices/DeviceBatteries.hpp"
#include "Qel/Platform/Utf8.hpp"

// Input: a power_supply uevent file as the kernel (or a broken driver) may write it.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (const auto battery = qel::parseDeviceBattery("supply", text)) {
    if (qel::repairUtf8(battery->model) != battery->model) __builtin_trap();  // names reach the UI as UTF-8
  }
  return 0;
}
