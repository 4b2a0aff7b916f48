#include "Qel/Platform/Desktop/DesktopEntry.hpp"

#include <array>

#include "Qel/Platform/Proc/ProcText.hpp"

namespace qel {
namespace {

// The escapes every string value may use: \s \n \t \r \\.
std::string unescapeValue(std::string_view v) {
  std::string out;
  out.reserve(v.size());
  for (std::size_t i = 0; i < v.size(); ++i) {
    if (v[i] != '\\' || i + 1 == v.size()) {
      out.push_back(v[i]);
      continue;
    }
    switch (v[++i]) {
      case 's': out.push_back(' '); break;
      case 'n': out.push_back('\n'); break;
      case 't': out.push_back('\t'); break;
      case 'r': out.push_back('\r'); break;
      case '\\': out.push_back('\\'); break;
      default:  // not a value escape: kept for the Exec quoting rules
        out.push_back('\\');
        out.push_back(v[i]);
    }
  }
  return out;
}

// How well a "Name[xx]" locale matches ours: 0 none, higher is better.
int localeRank(std::string_view keyLocale, std::string_view locale) {
  const auto cut = [](std::string_view l) {
    l = l.substr(0, l.find('.'));  // encodings play no part
    const auto at = l.find('@');
    std::string_view mod = at == std::string_view::npos ? std::string_view{} : l.substr(at + 1);
    std::string_view base = l.substr(0, at);
    const auto us = base.find('_');
    std::string_view country = us == std::string_view::npos ? std::string_view{} : base.substr(us + 1);
    return std::array<std::string_view, 3>{base.substr(0, us), country, mod};
  };
  const auto [lang, country, mod] = cut(locale);
  const auto [kLang, kCountry, kMod] = cut(keyLocale);
  if (lang.empty() || kLang != lang) return 0;
  if (!kCountry.empty() && kCountry != country) return 0;
  if (!kMod.empty() && kMod != mod) return 0;
  return 1 + (kCountry.empty() ? 0 : 2) + (kMod.empty() ? 0 : 1);
}

// One word of an Exec value: a double-quoted word with its \" \` \$ \\ escapes, or up to a space.
std::string nextWord(std::string_view& s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  std::string word;
  if (!s.empty() && s.front() == '"') {
    s.remove_prefix(1);
    while (!s.empty() && s.front() != '"') {
      if (s.front() == '\\' && s.size() > 1) s.remove_prefix(1);
      word.push_back(s.front());
      s.remove_prefix(1);
    }
    if (!s.empty()) s.remove_prefix(1);
    return word;
  }
  const auto end = s.find(' ');
  word = s.substr(0, end);
  s.remove_prefix(word.size());
  return word;
}

}  // namespace

std::optional<DesktopEntry> parseDesktopEntry(std::string_view text, std::string_view locale) {
  DesktopEntry e;
  bool inGroup = false, seenGroup = false;
  int nameRank = -1;
  std::string_view raw;
  while (nextLine(text, raw)) {
    const std::string_view line = trim(raw);
    if (line.empty() || line.front() == '#') continue;
    if (line.front() == '[') {
      if (inGroup) break;  // the entry's group is over
      inGroup = line == "[Desktop Entry]";
      seenGroup = seenGroup || inGroup;
      continue;
    }
    if (!inGroup) continue;
    const auto eq = line.find('=');
    if (eq == std::string_view::npos) continue;
    std::string_view key = trim(line.substr(0, eq));
    const std::string value = unescapeValue(trim(line.substr(eq + 1)));
    if (key.starts_with("Name[") && key.ends_with("]")) {
      const int rank = localeRank(key.substr(5, key.size() - 6), locale);
      if (rank > 0 && rank > nameRank) {
        e.name = value;
        nameRank = rank;
      }
    } else if (key == "Name") {
      if (nameRank < 0) {
        e.name = value;
        nameRank = 0;
      }
    } else if (key == "Type") {
      e.type = value;
    } else if (key == "Icon") {
      e.icon = value;
    } else if (key == "Exec") {
      e.exec = value;
    } else if (key == "TryExec") {
      e.tryExec = value;
    } else if (key == "NoDisplay") {
      e.noDisplay = value == "true";
    } else if (key == "Hidden") {
      e.hidden = value == "true";
    }
  }
  if (!seenGroup) return std::nullopt;
  return e;
}

std::string execProgram(std::string_view exec) {
  std::string word = nextWord(exec);
  if (word != "env" && !word.ends_with("/env")) return word;
  for (;;) {
    word = nextWord(exec);
    if (word == "-u" || word == "-C") nextWord(exec);  // options with a value of their own
    else if (word.empty() || (word.find('=') == std::string::npos && word.front() != '-')) return word;
  }
}

std::string desktopLocale(std::string_view code) {
  if (code == "zh-Hans") return "zh_CN";
  if (code == "zh-Hant") return "zh_TW";
  std::string out(code);
  for (char& c : out)
    if (c == '-') c = '_';
  return out;
}

}  // namespace qel
