#include <cstddef>
#include <cstdint>
#include <string_view>

#include "Qel/Updates/Changelog.hpp"

// A changelog file of any content, and any version text: nothing throws, every release taken
// lies within the bounds and has lines numbered from 0.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto version = qel::AppVersion::parse(text.substr(0, 24));
  for (const auto& r : qel::Changelog::releases(text, qel::AppVersion::parse("0"), version, "de")) {
    if (r.notes.empty()) __builtin_trap();
    for (std::size_t i = 0; i < r.notes.size(); ++i)
      if (r.notes[i].id != static_cast<int>(i) || r.notes[i].text.empty()) __builtin_trap();
  }
  return 0;
}
