#include <cstddef>
#include <cstdint>
#include <string_view>

#include "Qel/Platform/Devices/CpuTopology.hpp"
#include "Qel/Platform/Proc/LoadAvg.hpp"

// The small one-line files: cpu lists, the model name, the load average.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto count = qel::parseCpuListCount(text);
  // The list and its count agree.
  if (const auto list = qel::parseCpuList(text); list && (!count || list->size() != *count)) __builtin_trap();
  qel::parseModelName(text);
  if (const auto load = qel::parseLoadAvg(text); load && !(*load >= 0)) __builtin_trap();
  return 0;
}
