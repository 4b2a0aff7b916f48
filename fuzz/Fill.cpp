#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "Qel/Text/Fill.hpp"

// Input: the format, then arguments, separated by NUL bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view all(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> parts;
  while (true) {
    const auto nul = all.find('\0');
    parts.emplace_back(all.substr(0, nul));
    if (nul == std::string_view::npos) break;
    all.remove_prefix(nul + 1);
  }
  const std::string format = parts.front();
  parts.erase(parts.begin());
  const std::string out = qel::fill(format, parts);
  // One pass: the result can never be longer than the format plus every argument once per
  // placeholder (each byte of an argument at most three once made fit to show).
  std::size_t bound = format.size();
  for (const auto& p : parts) bound += 3 * p.size() * (format.size() / 2 + 1);
  if (out.size() > bound) __builtin_trap();
  return 0;
}
