#pragma once
// Reading and writing the settings file's text. One value that can't be read (a number too
// large for a double, a string that is not UTF-8, a stray word) must not cost the rest of the
// settings: such a value reads as absent, so its key falls back to its default alone. A text
// too long or too deeply nested to be settings is not read at all.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

namespace qel {

// The longest settings text read, and so the longest written. What the program keeps there
// takes a few kilobytes.
inline constexpr std::size_t kDefaultsTextLimit = std::size_t(1) << 20;
// The deepest nesting read: the program's own settings go three levels down (the settings, a
// list, its entries).
inline constexpr int kDefaultsDepthLimit = 16;

// The settings as read, and the text they were read from with the settings that can't be read
// cut out. Each setting keeps its own text until it changes, so what is written back is never
// longer than what was read: a number written the short way (1e5) stays so.
struct DefaultsFile {
  // Where one setting lies in `text`: its key from `key`, its value in [value, end), and the
  // space around it from `from` (one past the "{" or "," before it) to `to` (the "," or "}").
  struct Member {
    std::string name;
    std::size_t from = 0, key = 0, value = 0, end = 0, to = 0;
  };
  nlohmann::json settings = nlohmann::json::object();
  std::string text;              // the kept text; empty when nothing was read
  std::vector<Member> members;   // in the order of `text`
  std::size_t open = 0, close = 0;  // one past the object's "{", and where its "}" is
};

// The settings file read: every value that can't be read left out (with its key), and of a key
// given twice the last. Nothing when the text as a whole is not a JSON object, is longer than
// kDefaultsTextLimit or nests deeper than kDefaultsDepthLimit. Total: never throws, never
// follows nesting past the limit.
std::optional<DefaultsFile> readDefaultsText(std::string_view text);
// Its settings alone.
std::optional<nlohmann::json> parseDefaultsText(std::string_view text);

// The file's text for `settings` (an object), written over `read`: the settings it holds
// unchanged keep their text, the changed ones take the new value, the gone ones are cut out
// and new ones come at the end, one a line. A value is written compact, so the text grows
// with what it holds and never with how deeply it nests.
std::string defaultsText(const DefaultsFile& read, const nlohmann::json& settings);
std::string defaultsText(const nlohmann::json& settings);

}  // namespace qel
