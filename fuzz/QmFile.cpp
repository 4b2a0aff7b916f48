#include <cstddef>
#include <cstdint>
#include <string_view>

#include "Qel/Text/QmFile.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto file = qel::parseQm(std::string_view(reinterpret_cast<const char*>(data), size));
  // The plural rule is outside text too: evaluated for counts around its interesting places.
  const std::span<const std::uint8_t> rule = file ? std::span<const std::uint8_t>(file->pluralRule)
                                                  : std::span<const std::uint8_t>(data, size);
  for (long long n : {0LL, 1LL, 2LL, 5LL, 11LL, 21LL, 111LL, 1001LL, -7LL}) qel::pluralForm(rule, n);
  return 0;
}
