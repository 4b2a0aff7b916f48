// The shipped translation tables against the keys the code looks up (Qel/Resources/keys.txt, which
// the test L10nKeyListIsCurrent holds equal to what scripts/l10n-keys finds in the code) and the
// changelog's lines against the shipped languages.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include <nlohmann/json.hpp>

#include "Qel/Platform/Resources.hpp"
#include "Qel/Text/Fill.hpp"
#include "Qel/Text/Loc.hpp"
#include "Qel/Text/QmFile.hpp"
#include "Qel/Text/StringsTable.hpp"
#include "Qel/Text/Utf8.hpp"

using namespace qel;

namespace {

// Tables still being written: their entries are checked, their coverage not yet.
const std::set<std::string, std::less<>> kUnfinished{};
// Whether a language of the list without a table fails.
constexpr bool kEveryTableRequired = true;

std::vector<std::string> programKeys() {
  std::ifstream in(QEL_KEY_LIST);
  std::string table;
  // Each line is one key quoted as a table writes it: read them as keys that stand for themselves.
  for (std::string line; std::getline(in, line);) table += line + ";\n";
  const auto parsed = parseStringsTable(table);
  std::vector<std::string> out;
  if (parsed)
    for (const auto& entry : *parsed) out.push_back(entry.first);
  return out;
}

std::optional<std::string_view> tableFile(std::string_view code) {
  std::string name = "translations/qel_" + std::string(code) + ".qm";
  std::replace(name.begin(), name.end(), '-', '_');
  return embeddedFile(name);
}

// The translated languages that ship a table.
std::vector<std::string> shippedLanguages() {
  std::vector<std::string> out;
  for (const auto& l : Loc::languages)
    if (l.code != "en" && tableFile(l.code)) out.emplace_back(l.code);
  return out;
}

}  // namespace

TEST(TranslationTables, everyEntryReadsAndKeepsItsKeysValues) {
  for (const auto& code : shippedLanguages()) {
    const auto file = parseQm(*tableFile(code));
    ASSERT_TRUE(file) << code << ": the table is not well formed, so the whole language would show English";
    std::map<std::string, std::vector<std::string>> seen;
    for (const auto& m : file->messages) {
      ASSERT_FALSE(m.translations.empty()) << code << ": \"" << m.source << "\"";
      for (const auto& t : m.translations) {
        EXPECT_FALSE(t.empty()) << code << ": \"" << m.source << "\"";
        EXPECT_TRUE(sameConversions(m.source, t)) << code << ": \"" << m.source << "\" = \"" << t << "\"";
      }
      // The program looks a text up by its English words alone: one translation in every context.
      const auto [it, fresh] = seen.emplace(m.source, m.translations);
      EXPECT_TRUE(fresh || it->second == m.translations) << code << ": \"" << m.source << "\" differs in " << m.context;
    }
    // Loading keeps everything the checks above pass.
    EXPECT_EQ(Loc::loadTable(code).entries.size(), seen.size()) << code;
  }
}

TEST(TranslationTables, translateEveryKeyTheCodeLooksUp) {
  const auto keys = programKeys();
  ASSERT_GT(keys.size(), 100u) << "the key list " QEL_KEY_LIST " could not be read";
  for (const auto& l : Loc::languages) {
    if (l.code == "en") continue;
    const auto file = tableFile(l.code);
    if (!file) {
      if (kEveryTableRequired) ADD_FAILURE() << l.code << ": no table";
      continue;
    }
    if (kUnfinished.contains(l.code)) continue;
    const auto table = Loc::loadTable(l.code).entries;
    std::vector<std::string> missing;
    for (const auto& key : keys)
      if (!table.contains(key)) missing.push_back(key);
    std::string shown;
    for (std::size_t i = 0; i < missing.size() && i < 20; ++i) shown += "\n  \"" + missing[i] + "\"";
    EXPECT_TRUE(missing.empty()) << l.code << ": " << missing.size() << " keys untranslated, among them" << shown;
    // An entry no code looks up is a translation left behind by a changed text: it shows nowhere,
    // and whoever reads the table takes it for what the program says.
    const std::set<std::string, std::less<>> looked(keys.begin(), keys.end());
    std::string unused;
    for (const auto& [key, translations] : table)
      if (!looked.contains(key)) unused += "\n  \"" + key + "\"";
    EXPECT_TRUE(unused.empty()) << l.code << ": entries for keys the code no longer looks up:" << unused;
  }
}

TEST(TranslationTables, changelogLinesComeInEveryShippedLanguage) {
  const auto changelog = nlohmann::json::parse(embeddedFile("Changelog.json").value_or(""), nullptr, false);
  ASSERT_TRUE(changelog.is_array());
  for (const auto& release : changelog)
    for (const auto& change : release.at("changes")) {
      const auto& text = change.at("text");
      ASSERT_TRUE(text.contains("en") && text["en"].is_string()) << release.at("version");
      const std::string english = text["en"];
      for (const auto& code : shippedLanguages()) {
        if (kUnfinished.contains(code)) continue;
        const auto it = text.find(code);
        EXPECT_TRUE(it != text.end() && it->is_string() && !it->get<std::string>().empty())
            << code << ": no line for \"" << english << "\"";
      }
    }
}
