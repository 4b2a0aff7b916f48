#include <cstddef>
#include <cstdint>
#include <string_view>

#include "Qel/Platform/Net/ProcNetSockets.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  (void)qel::parseListeningSockets(text, "TCP");
  (void)qel::parseListeningSockets(text, "UDP");
  return 0;
}
