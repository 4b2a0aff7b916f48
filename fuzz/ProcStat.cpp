#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "Qel/Samplers/CpuLoad.hpp"

// Two readings of /proc/stat separated by a NUL byte; every load stays a fraction.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view all(reinterpret_cast<const char*>(data), size);
  const auto nul = all.find('\0');
  const auto before = qel::parseProcStat(all.substr(0, nul));
  const auto after = qel::parseProcStat(nul == std::string_view::npos ? all : all.substr(nul + 1));
  if (const auto s = qel::cpuLoad(before, after)) {
    for (const double v : s->perCore)
      if (!(v >= 0 && v <= 1)) __builtin_trap();
    if (!(s->total >= 0 && s->total <= 1.0000001)) __builtin_trap();
  }
  return 0;
}
