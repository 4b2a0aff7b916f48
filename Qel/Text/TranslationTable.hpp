#pragma once
// One language's translations: each English key to its translation, or to one translation per
// plural form where the text counts something ("%n ports"), with the language's rule that picks
// the form for a count.
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace qel {

struct TranslationTable {
  std::map<std::string, std::vector<std::string>, std::less<>> entries;
  std::vector<std::uint8_t> pluralRule;

  bool empty() const { return entries.empty(); }
  // The translation of `key`, in the form `count` takes where it counts; null when there is none.
  const std::string* find(std::string_view key, long long count = 1) const;
};

}  // namespace qel
