// The JSON texts read back from history rows and the older files imported at the first start.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "Qel/History/HistoryCoding.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  (void)qel::encodeWakes(qel::decodeWakes(text));
  (void)qel::encodeStretchApps(qel::decodeStretchApps(text));
  (void)qel::encodeSeries(qel::decodeSeries(text));
  if (const auto facts = qel::decodeFindingFacts(text)) (void)qel::encodeFindingFacts(*facts);
  (void)qel::decodeLegacyDay(text);
  (void)qel::decodeLegacyBaseline(text);
  return 0;
}
