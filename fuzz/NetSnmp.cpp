#include <cstddef>
#include <cstdint>
#include <string_view>

#include "Qel/Platform/Net/NetSnmp.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  (void)qel::parseTcpSegments(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
