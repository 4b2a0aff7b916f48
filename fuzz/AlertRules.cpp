#include <cstddef>
#include <cstdint>

#include "Qel/Store/AlertRule.hpp"

// The stored alert rules, as any JSON the settings file may hold: decoding never throws, and
// what it accepts merges into exactly the six rules.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto json = nlohmann::json::parse(data, data + size, nullptr, /*allow_exceptions=*/false);
  if (json.is_discarded()) return 0;
  if (const auto rules = qel::Rules::decode(json)) {
    if (qel::Rules::merged(*rules).size() != qel::Rules::defaults().size()) __builtin_trap();
    qel::Rules::encode(*rules).dump();
  }
  return 0;
}
