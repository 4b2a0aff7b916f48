#pragma once
// Reading the settings file's text. One value that can't be read (a number too large for a
// double, a string that is not UTF-8, a stray word) must not cost the rest of the settings:
// such a value reads as absent, so its key falls back to its default alone.
#include <optional>
#include <string_view>

#include <nlohmann/json.hpp>

namespace qel {

// The settings as a JSON object, with every value that can't be read left out; nothing when
// the text as a whole is not a JSON object. Total: never throws.
std::optional<nlohmann::json> parseDefaultsText(std::string_view text);

}  // namespace qel
