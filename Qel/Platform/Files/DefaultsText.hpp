#pragma once
// Reading and writing the settings file's text. One value that can't be read (a number too
// large for a double, a string that is not UTF-8, a stray word) must not cost the rest of the
// settings: such a value reads as absent, so its key falls back to its default alone. A text
// too long or too deeply nested to be settings is not read at all.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

namespace qel {

// The longest settings text read, before or after writing back. What the program keeps there
// takes a few kilobytes.
inline constexpr std::size_t kDefaultsTextLimit = std::size_t(1) << 20;
// The deepest nesting read: the program's own settings go three levels down (the settings, a
// list, its entries).
inline constexpr int kDefaultsDepthLimit = 16;

// The settings as a JSON object, with every value that can't be read left out; nothing when
// the text as a whole is not a JSON object, is longer than kDefaultsTextLimit, nests deeper
// than kDefaultsDepthLimit, or would be written back longer than kDefaultsTextLimit. Total:
// never throws, never follows nesting past the limit.
std::optional<nlohmann::json> parseDefaultsText(std::string_view text);

// The file's text for `settings` (an object): one setting a line, each value compact, so the
// text grows with what it holds and never with how deeply it nests.
std::string defaultsText(const nlohmann::json& settings);

}  // namespace qel
