#pragma once
// Desktop entry files (".desktop"): the [Desktop Entry] group's keys that tell which program an
// application runs and what it is called.
#include <optional>
#include <string>
#include <string_view>

namespace qel {

struct DesktopEntry {
  std::string type;
  std::string name;  // Name in the best matching locale, else the plain Name
  std::string icon;
  std::string exec;
  std::string tryExec;
  bool noDisplay = false;
  bool hidden = false;  // "deleted": shadows entries of the same id further down the search path
  bool operator==(const DesktopEntry&) const = default;
};

// Absent when the text has no [Desktop Entry] group. `locale` is "lang[_COUNTRY][@MODIFIER]".
std::optional<DesktopEntry> parseDesktopEntry(std::string_view text, std::string_view locale);

// The program an Exec value starts, unquoted, looking past "env NAME=value …"; "" when none.
std::string execProgram(std::string_view exec);

// The desktop-entry locale of one of the program's language codes: "pt-BR" → "pt_BR",
// "zh-Hans" → "zh_CN", "zh-Hant" → "zh_TW", "de" → "de".
std::string desktopLocale(std::string_view languageCode);

}  // namespace qel
