#include <cstddef>
#include <cstdint>
#include <string_view>

#include "Qel/Platform/Devices/BlockDevice.hpp"
#include "Qel/Platform/Proc/MountInfo.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (const auto& m : qel::parseMountInfo(text))
    if (m.mountPoint.empty() || m.mountPoint.front() != '/') __builtin_trap();
  if (qel::unescapeMountField(text).size() > text.size()) __builtin_trap();
  if (qel::unescapeUdevName(text).size() > text.size()) __builtin_trap();
  return 0;
}
