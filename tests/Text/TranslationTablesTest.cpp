// The compiled translation tables as the program ships them: every language translates every
// text of the tables, each in a form the program can fill. (That the tables hold exactly the
// texts the code looks up, each translated, is the test TranslationTablesAreCurrent.) And the
// changelog's lines come in every shipped language.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include <nlohmann/json.hpp>

#include "Qel/Platform/Files/Resources.hpp"
#include "Qel/Text/Fill.hpp"
#include "Qel/Text/Loc.hpp"
#include "Qel/Text/QmFile.hpp"

using namespace qel;

namespace {

std::optional<QmFile> tableFile(std::string_view code) {
  std::string name = "translations/qel_" + std::string(code) + ".qm";
  std::replace(name.begin(), name.end(), '-', '_');
  const auto bytes = embeddedFile(name);
  return bytes ? parseQm(*bytes) : std::nullopt;
}

std::vector<std::string> translatedLanguages() {
  std::vector<std::string> out;
  for (const auto& l : Loc::languages)
    if (l.code != "en") out.emplace_back(l.code);
  return out;
}

}  // namespace

TEST(TranslationTables, everyTextReadsAndKeepsItsValues) {
  for (const auto& code : translatedLanguages()) {
    const auto file = tableFile(code);
    ASSERT_TRUE(file) << code << ": no table, or one not well formed, so the whole language would show English";
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

TEST(TranslationTables, everyLanguageTranslatesTheSameTexts) {
  std::set<std::string> all;
  std::map<std::string, std::set<std::string>> byLanguage;
  for (const auto& code : translatedLanguages())
    for (const auto& [key, forms] : Loc::loadTable(code).entries) {
      all.insert(key);
      byLanguage[code].insert(key);
    }
  ASSERT_GT(all.size(), 500u);
  for (const auto& code : translatedLanguages()) {
    std::string missing;
    for (const auto& key : all)
      if (!byLanguage[code].contains(key)) missing += "\n  \"" + key + "\"";
    EXPECT_TRUE(missing.empty()) << code << ": untranslated:" << missing;
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
      for (const auto& code : translatedLanguages()) {
        const auto it = text.find(code);
        EXPECT_TRUE(it != text.end() && it->is_string() && !it->get<std::string>().empty())
            << code << ": no line for \"" << english << "\"";
      }
    }
}
