#pragma once
// The old-style "strings" table format of translation files:
//   /* comment */  "English key" = "Translation";   // comment
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace qel {

using StringsTable = std::map<std::string, std::string, std::less<>>;

// Absent when the text is not a well-formed table. Never throws.
std::optional<StringsTable> parseStringsTable(std::string_view text);

}  // namespace qel
