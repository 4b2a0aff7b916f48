#include <cstddef>
#include <cstdint>
#include <string>

#include "Qel/Text/TextMatcher.hpp"

// Input: a search text, a NUL, then a process name; both as they may come (not always UTF-8).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const auto cut = input.find('\0');
  const std::string query = input.substr(0, cut);
  const std::string name = cut == std::string::npos ? std::string() : input.substr(cut + 1);
  for (const char* language : {"en", "de", "tr"}) {
    qel::TextMatcher matcher(query, language);
    (void)matcher.matches(name);
    (void)matcher.matches(query);
  }
  return 0;
}
