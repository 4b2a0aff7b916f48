#include <cstddef>
#include <cstdint>
#include <string>

#include "Qel/Platform/Desktop/DpkgQuery.hpp"

// Input: dpkg-query's output as it may come; the file asked for is the output's last line.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::string file = text.substr(text.rfind('\n') == std::string::npos ? 0 : text.rfind('\n') + 1);
  if (const auto package = qel::parseDpkgSearch(text, file)) {
    // A package name is never empty and never carries the separator that follows it.
    if (package->empty() || package->find(": ") != std::string::npos) __builtin_trap();
  }
  const std::string version = qel::parseDpkgVersion(text);
  if (version.size() > 128 || version.find_first_of(" \n\t") != std::string::npos) __builtin_trap();
  return 0;
}
