#include <cstddef>
#include <cstdint>
#include <string_view>

#include "Qel/Platform/Proc/DiskStats.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  for (const auto& d : qel::parseDiskStats(std::string_view(reinterpret_cast<const char*>(data), size)))
    if (d.name.empty()) __builtin_trap();
  return 0;
}
