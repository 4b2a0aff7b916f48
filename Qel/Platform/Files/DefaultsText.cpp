#include "Qel/Platform/Files/DefaultsText.hpp"

#include <string>

namespace qel {
namespace {

using Json = nlohmann::json;

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool isNumberChar(char c) { return (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.' || c == 'e' || c == 'E'; }
bool isWordChar(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_'; }

// The end of the string token starting at the quote `from`: one past its closing quote, or the
// end of the text when it is never closed.
std::size_t stringEnd(std::string_view text, std::size_t from) {
  for (std::size_t i = from + 1; i < text.size(); ++i) {
    if (text[i] == '\\') ++i;
    else if (text[i] == '"') return i + 1;
  }
  return text.size();
}

bool followedByColon(std::string_view text, std::size_t at) {
  while (at < text.size() && isSpace(text[at])) ++at;
  return at < text.size() && text[at] == ':';
}

// A key that is kept aside when it can't be read, so its value is dropped with it.
constexpr std::string_view kUnreadableKey = "\"\\u0000unreadable\"";

// The text with every scalar that can't be read on its own replaced: values by null, keys by
// one reserved key. The structure (brackets, commas, colons) is left as it is.
std::string withUnreadableScalarsReplaced(std::string_view text, bool& replaced) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const char c = text[i];
    std::size_t end = i + 1;
    if (c == '"') end = stringEnd(text, i);
    else if (c == '-' || (c >= '0' && c <= '9')) {
      while (end < text.size() && isNumberChar(text[end])) ++end;
    } else if (isWordChar(c)) {
      while (end < text.size() && isWordChar(text[end])) ++end;
    } else {
      out += c;
      ++i;
      continue;
    }
    const std::string_view token = text.substr(i, end - i);
    // Of the words only three are JSON: no need to run the parser on the others.
    const bool word = isWordChar(c) && !(c >= '0' && c <= '9');
    if (word ? token == "true" || token == "false" || token == "null" : Json::accept(token)) {
      out += token;
    } else {
      replaced = true;
      out += c == '"' && followedByColon(text, end) ? kUnreadableKey : "null";
    }
    i = end;
  }
  return out;
}

// False as soon as a bracket opens below `limit` levels; brackets inside strings don't count.
// Text that closes more than it opened is no JSON, and the parser refuses it anyway.
bool nestsWithin(std::string_view text, int limit) {
  int depth = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '"') i = stringEnd(text, i) - 1;
    else if ((c == '[' || c == '{') && ++depth > limit) return false;
    else if ((c == ']' || c == '}') && depth > 0) --depth;
  }
  return true;
}

std::string compact(const Json& value) {
  // Replace invalid UTF-8 rather than throw: a setting may hold a process name.
  return value.dump(-1, ' ', false, Json::error_handler_t::replace);
}

std::optional<Json> readObject(std::string_view text) {
  auto parsed = Json::parse(text, nullptr, /*allow_exceptions=*/false);
  if (!parsed.is_object()) return std::nullopt;
  return parsed;
}

std::optional<Json> fitting(std::optional<Json> settings) {
  if (settings && defaultsText(*settings).size() > kDefaultsTextLimit) return std::nullopt;
  return settings;
}

}  // namespace

std::string defaultsText(const Json& settings) {
  if (!settings.is_object() || settings.empty()) return "{}\n";
  std::string out = "{";
  for (auto it = settings.begin(); it != settings.end(); ++it) {
    out += it == settings.begin() ? "\n  " : ",\n  ";
    out += compact(Json(it.key()));
    out += ": ";
    out += compact(it.value());
  }
  return out + "\n}\n";
}

std::optional<nlohmann::json> parseDefaultsText(std::string_view text) {
  // The mending below keeps every bracket, so one check covers both readings.
  if (text.size() > kDefaultsTextLimit || !nestsWithin(text, kDefaultsDepthLimit)) return std::nullopt;
  if (auto parsed = readObject(text)) return fitting(std::move(parsed));
  bool replaced = false;
  const std::string mended = withUnreadableScalarsReplaced(text, replaced);
  if (!replaced) return std::nullopt;
  auto parsed = readObject(mended);
  if (!parsed) return std::nullopt;
  parsed->erase(std::string(1, '\0') + "unreadable");
  // What couldn't be read is left out, so it is not written back as null.
  for (auto it = parsed->begin(); it != parsed->end();) {
    if (it->is_null()) it = parsed->erase(it);
    else ++it;
  }
  return fitting(std::move(parsed));
}

}  // namespace qel
