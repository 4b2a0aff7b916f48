#include <cstddef>
#include <cstdint>
#include <string_view>

#include "Qel/Platform/DefaultsText.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto settings = qel::parseDefaultsText(text);
  if (settings && !settings->is_object()) __builtin_trap();
  // What was read can be written back.
  if (settings) (void)settings->dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
  return 0;
}
