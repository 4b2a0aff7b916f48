#include "Qel/Platform/Files/DefaultsText.hpp"

#include <algorithm>
#include <string>
#include <unordered_set>
#include <utility>

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

// The end of the scalar token at `from`, as the mending above reads it.
std::size_t tokenEnd(std::string_view text, std::size_t from) {
  const char c = text[from];
  std::size_t end = from + 1;
  if (c == '"') return stringEnd(text, from);
  if (c == '-' || (c >= '0' && c <= '9')) {
    while (end < text.size() && isNumberChar(text[end])) ++end;
  } else if (isWordChar(c)) {
    while (end < text.size() && isWordChar(text[end])) ++end;
  }
  return end;
}

std::size_t skipSpace(std::string_view text, std::size_t at) {
  while (at < text.size() && isSpace(text[at])) ++at;
  return at;
}

// The end of the value at `from`: past its closing bracket, or past its one token.
std::size_t valueEnd(std::string_view text, std::size_t from) {
  if (text[from] != '[' && text[from] != '{') return tokenEnd(text, from);
  int depth = 0;
  for (std::size_t i = from; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '"') i = stringEnd(text, i) - 1;
    else if (c == '[' || c == '{') ++depth;
    else if ((c == ']' || c == '}') && --depth == 0) return i + 1;
  }
  return text.size();
}

// Where the members of the object in `text` lie, in order (`settings` left empty). Only called
// on text whose structure has been read as one object (mended or not), so each step finds what
// it expects; nothing when it doesn't. A key that can't be read is named by the reserved key.
std::optional<DefaultsFile> layoutOf(std::string_view text) {
  DefaultsFile out;
  std::size_t i = text.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;  // a byte-order mark
  i = skipSpace(text, i);
  if (i >= text.size() || text[i] != '{') return std::nullopt;
  out.open = i + 1;
  for (std::size_t from = out.open;;) {
    i = skipSpace(text, from);
    if (i < text.size() && text[i] == '}' && out.members.empty()) {
      out.close = i;
      return out;
    }
    if (i >= text.size() || text[i] != '"') return std::nullopt;
    DefaultsFile::Member m;
    m.from = from;
    m.key = i;
    const std::size_t keyEnd = tokenEnd(text, i);
    const std::string_view key = text.substr(i, keyEnd - i);
    m.name = Json::accept(key) ? Json::parse(key).get<std::string>() : std::string(1, '\0') + "unreadable";
    i = skipSpace(text, keyEnd);
    if (i >= text.size() || text[i] != ':') return std::nullopt;
    m.value = skipSpace(text, i + 1);
    if (m.value >= text.size()) return std::nullopt;
    m.end = valueEnd(text, m.value);
    m.to = skipSpace(text, m.end);
    if (m.to >= text.size() || (text[m.to] != ',' && text[m.to] != '}')) return std::nullopt;
    const bool last = text[m.to] == '}';
    from = m.to + 1;
    out.members.push_back(std::move(m));
    if (last) {
      out.close = out.members.back().to;
      return out;
    }
  }
}

// The text of `file` rewritten: of its members those `keep` names (the last of each name),
// each with the value `valueText` gives it (none: its own text), then `added` (key and value
// texts), one a line. What lies between the members (their spaces, one comma each) is kept.
template <class Keep, class ValueText>
std::string rewritten(const DefaultsFile& file, Keep keep, ValueText valueText,
                      const std::vector<std::pair<std::string, std::string>>& added) {
  const std::string_view text = file.text;
  std::vector<const DefaultsFile::Member*> kept;
  std::unordered_set<std::string_view> later;
  for (auto m = file.members.rbegin(); m != file.members.rend(); ++m)
    if (later.insert(m->name).second && keep(m->name)) kept.push_back(&*m);
  std::reverse(kept.begin(), kept.end());
  std::string newOnes;
  for (const auto& [key, value] : added)
    newOnes += (kept.empty() && newOnes.empty() ? "\n  " : ",\n  ") + key + ": " + value;
  std::string out(text.substr(0, file.open));
  for (std::size_t i = 0; i < kept.size(); ++i) {
    const auto& m = *kept[i];
    if (i > 0) out += ',';
    out += text.substr(m.from, m.value - m.from);
    if (const std::optional<std::string> value = valueText(m.name)) out += *value;
    else out += text.substr(m.value, m.end - m.value);
    if (i + 1 == kept.size()) out += newOnes;
    out += text.substr(m.end, m.to - m.end);
  }
  if (kept.empty() && !newOnes.empty()) out += newOnes + "\n";
  out += text.substr(file.close);
  return out;
}

}  // namespace

std::optional<DefaultsFile> readDefaultsText(std::string_view text) {
  // The mending below keeps every bracket, so one check covers both readings.
  if (text.size() > kDefaultsTextLimit || !nestsWithin(text, kDefaultsDepthLimit)) return std::nullopt;
  auto parsed = readObject(text);
  if (!parsed) {
    bool replaced = false;
    const std::string mended = withUnreadableScalarsReplaced(text, replaced);
    if (!replaced) return std::nullopt;
    parsed = readObject(mended);
    if (!parsed) return std::nullopt;
  }
  parsed->erase(std::string(1, '\0') + "unreadable");
  // What couldn't be read is left out, so it is not written back as null.
  for (auto it = parsed->begin(); it != parsed->end();) {
    if (it->is_null()) it = parsed->erase(it);
    else ++it;
  }
  // The mending changed no bracket, comma or colon: the members lie where they were read.
  auto file = layoutOf(text);
  if (!file) return DefaultsFile{.settings = std::move(*parsed)};
  file->text = std::string(text);
  const auto keep = [&](const std::string& name) { return parsed->contains(name); };
  std::string kept = rewritten(*file, keep, [](const std::string&) { return std::optional<std::string>(); }, {});
  if (kept.size() != text.size()) {
    file = layoutOf(kept);
    if (!file) return DefaultsFile{.settings = std::move(*parsed)};
    file->text = std::move(kept);
  }
  file->settings = std::move(*parsed);
  return file;
}

std::optional<nlohmann::json> parseDefaultsText(std::string_view text) {
  auto read = readDefaultsText(text);
  if (!read) return std::nullopt;
  return std::move(read->settings);
}

std::string defaultsText(const DefaultsFile& read, const Json& settings) {
  DefaultsFile fresh;
  if (read.text.empty()) {
    fresh.text = "{}\n";
    fresh.open = fresh.close = 1;
  }
  const DefaultsFile& base = read.text.empty() ? fresh : read;
  const bool object = settings.is_object();
  const auto keep = [&](const std::string& name) { return object && settings.contains(name); };
  const auto value = [&](const std::string& name) -> std::optional<std::string> {
    const auto was = read.settings.find(name);
    const Json& now = settings.at(name);
    if (was != read.settings.end() && *was == now) return std::nullopt;
    return compact(now);
  };
  std::unordered_set<std::string_view> there;
  for (const auto& m : base.members) there.insert(m.name);
  std::vector<std::pair<std::string, std::string>> added;
  if (object)
    for (auto it = settings.begin(); it != settings.end(); ++it)
      if (!there.count(it.key())) added.emplace_back(compact(Json(it.key())), compact(it.value()));
  return rewritten(base, keep, value, added);
}

std::string defaultsText(const Json& settings) { return defaultsText(DefaultsFile{}, settings); }

}  // namespace qel
