#include <cstddef>
#include <cstdint>
#include <string_view>

#include "Qel/Platform/Desktop/DesktopEntry.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (const auto entry = qel::parseDesktopEntry(text, "de_DE@euro")) {
    qel::execProgram(entry->exec);
    qel::execProgram(entry->tryExec);
  }
  qel::execProgram(text);
  return 0;
}
