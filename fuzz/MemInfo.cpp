#include <cstddef>
#include <cstdint>
#include <string_view>

#include "Qel/Platform/Proc/MemInfo.hpp"
#include "Qel/Samplers/SystemSampler.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto zram = qel::parseZramMemUsed(text);
  const auto m = qel::memSampleFrom(qel::parseMemInfo(text), zram.value_or(0));
  if (!(m.pressure >= 0 && m.pressure <= 100)) __builtin_trap();
  return 0;
}
