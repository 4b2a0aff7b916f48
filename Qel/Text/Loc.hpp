#pragma once
// The process-wide localisation table. Every user-visible text is written in English and
// looked up here; a missing or broken translation shows the English text.
#include <array>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "Qel/Platform/Files/Resources.hpp"
#include "Qel/Text/TranslationTable.hpp"

namespace qel {

class Defaults;

// One localisable text: the English key with "%@" for each value, the English text with the
// values in place, and the values.
struct LText {
  std::string key;
  std::string english;
  std::vector<std::string> args;
};

// The translation of `text` with its values put in, or its English text.
std::string L(const LText& text);
// Shorthand for a text whose English form is the key filled with `args`.
std::string L(std::string_view key, const std::vector<std::string>& args = {});

// A text that counts something: `key` in its English plural form with "%n" for `count` (and "%@"
// for `args`, as L takes them), in the form the language's plural rule gives `count`
// ("%n ports": "1 port", "2 ports"; Russian "1 порт", "2 порта", "5 портов").
std::string Ln(std::string_view key, long long count, const std::vector<std::string>& args = {});

// Marks a literal that is looked up through L later (kept in a table or a variable), so that
// scripts/l10n-keys lists it among the keys the tables must translate. Does nothing else.
constexpr const char* Lkey(const char* key) { return key; }

struct Language {
  std::string_view code;
  std::string_view name;
};

namespace Loc {

inline constexpr std::array<Language, 10> languages{{
    {"en", "English"},
    {"zh-Hans", "简体中文"},
    {"zh-Hant", "繁體中文"},
    {"ja", "日本語"},
    {"ko", "한국어"},
    {"es", "Español"},
    {"fr", "Français"},
    {"de", "Deutsch"},
    {"pt-BR", "Português (Brasil)"},
    {"ru", "Русский"},
}};

// The language in use and its table; safe to read from any thread (the table is swapped whole).
std::string code();
std::shared_ptr<const TranslationTable> table();

// A choice ("system" or a code) to an offered language code, against the user's preferred
// languages (LANGUAGE, then LC_ALL / LC_MESSAGES / LANG).
std::string resolve(std::string_view choice);
std::string resolve(std::string_view choice, const std::vector<std::string>& preferred);
std::vector<std::string> preferredLanguages();

// The translation table of a language code from the compiled-in resources
// ("translations/qel_<code>.qm" with "_" for "-", the name matched ignoring case). English's
// holds only the forms of counted texts; a missing or broken table is empty.
TranslationTable loadTable(std::string_view code);
TranslationTable loadTable(std::string_view code, std::span<const EmbeddedFile> files);

// Applies the saved choice "qel.language" (default "system") through set(), so a first start
// writes its choice "system" to the settings file.
void start(Defaults& defaults);
// Stores `choice` unchanged as "qel.language" (when defaults are given) and switches to it.
void set(std::string_view choice, Defaults* defaults);

}  // namespace Loc
}  // namespace qel
