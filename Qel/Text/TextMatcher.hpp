#pragma once
// Finds a search text inside names the way the user's language compares letters: case does not
// count, accents do (so "STRASSE" finds "Straße", "σίσυφος" finds "ΣΊΣΥΦΟΣ").
#include <memory>
#include <string>
#include <string_view>

namespace qel {

class TextMatcher {
 public:
  // `query` as typed; `languageCode` such as "en", "de", "tr", "zh-Hans".
  TextMatcher(std::string_view query, std::string_view languageCode);
  ~TextMatcher();
  TextMatcher(const TextMatcher&) = delete;
  TextMatcher& operator=(const TextMatcher&) = delete;

  // Whether `text` (UTF-8; broken sequences are tolerated) contains the query.
  bool matches(std::string_view text);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace qel
