#include "Qel/Text/TranslationTable.hpp"

#include <algorithm>

#include "Qel/Text/QmFile.hpp"

namespace qel {

const std::string* TranslationTable::find(std::string_view key, long long count) const {
  const auto it = entries.find(key);
  if (it == entries.end() || it->second.empty()) return nullptr;
  const std::size_t form = std::min(pluralForm(pluralRule, count), it->second.size() - 1);
  return &it->second[form];
}

}  // namespace qel
