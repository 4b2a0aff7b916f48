#include <gtest/gtest.h>

#include <algorithm>

#include "Qel/Platform/Files/Defaults.hpp"
#include "Qel/Text/Format.hpp"
#include "Qel/Text/Loc.hpp"
#include "tests/support/TempDir.hpp"
#include "tests/Text/QmBytes.hpp"

using namespace qel;

TEST(LocResolve, offeredCodesAndPreferences) {
  struct Case {
    const char* choice;
    std::vector<std::string> preferred;
    const char* expected;
  } cases[] = {
      {"de", {"fr_FR.UTF-8"}, "de"},           // an offered code is taken as it is
      {"system", {"zh_CN.UTF-8"}, "zh-Hans"},
      {"system", {"zh_TW"}, "zh-Hant"},
      {"system", {"zh-Hant-HK"}, "zh-Hant"},
      {"system", {"pt_PT.UTF-8"}, "pt-BR"},
      {"system", {"it_IT.UTF-8", "de_AT.UTF-8"}, "de"},  // first preferred that is offered
      {"system", {"it_IT.UTF-8"}, "en"},
      {"system", {"C", "POSIX"}, "en"},
      {"system", {}, "en"},
      {"zh-hans", {"ja_JP"}, "ja"},  // wrong case is not an offered code
      {"klingon", {"ko_KR.UTF-8"}, "ko"},
  };
  for (const auto& c : cases) EXPECT_EQ(Loc::resolve(c.choice, c.preferred), c.expected) << c.choice;
}

TEST(LocTable, loadsByCodeIgnoringCaseAndFallsBackToEmpty) {
  const std::string good = test::qmBytes("de", {0x01, 0x01}, {{.source = "%@ min", .translations = {"%@ Min."}},
                                                              {.source = "Quit", .translations = {"Beenden"}}});
  const std::string ptBR = test::qmBytes("pt_BR", {}, {{.source = "Quit", .translations = {"Sair"}}});
  const std::string broken = good.substr(0, good.size() - 3);
  const EmbeddedFile files[] = {
      {"translations/QEL_DE.qm", good}, {"translations/qel_pt_BR.qm", ptBR}, {"translations/qel_fr.qm", broken}};
  const auto de = Loc::loadTable("de", files);
  EXPECT_EQ(de.entries.size(), 2u);
  EXPECT_EQ(*de.find("Quit"), "Beenden");
  EXPECT_EQ(de.pluralRule, (std::vector<std::uint8_t>{0x01, 0x01}));
  EXPECT_EQ(*Loc::loadTable("pt-BR", files).find("Quit"), "Sair");
  EXPECT_TRUE(Loc::loadTable("fr", files).empty());
  EXPECT_TRUE(Loc::loadTable("ja", files).empty());
  EXPECT_TRUE(Loc::loadTable("en", files).empty());
}

TEST(LocTable, leavesOutTranslationsThatTakeOtherValues) {
  const std::vector<QmMessage> messages{
      {.source = "%@ used of %@", .translations = {"%2$@ 中 %1$@ 已用"}},  // reordered: kept
      {.source = "%@ h %@ min", .translations = {"%@ Std."}},              // loses a value
      {.source = "Quit", .translations = {"Beenden %@"}},                  // raw placeholder
      {.source = "Load %.2f", .translations = {"Last %.1f"}},              // other number format
      {.source = "Close", .translations = {""}},                           // empty
      {.source = "Open", .translations = {}},                              // none
      {.source = "New", .translations = {"Neu"}},
  };
  const std::string bytes = test::qmBytes("ja", {}, messages);
  const EmbeddedFile files[] = {{"translations/qel_ja.qm", bytes}};
  const auto ja = Loc::loadTable("ja", files);
  EXPECT_EQ(ja.entries, (std::map<std::string, std::vector<std::string>, std::less<>>{
                            {"%@ used of %@", {"%2$@ 中 %1$@ 已用"}}, {"New", {"Neu"}}}));
}

TEST(LocSet, storesChoiceAndFallsBackToEnglish) {
  test::TempDir dir;
  Defaults defaults(dir / "defaults.json");
  Loc::set("en", &defaults);
  EXPECT_EQ(defaults.string("qel.language", ""), "en");
  EXPECT_EQ(Loc::code(), "en");
  // English needs a table only for the singular of counted texts.
  EXPECT_TRUE(std::ranges::all_of(Loc::table()->entries, [](const auto& e) { return e.first.find("%n") != std::string::npos; }));
  EXPECT_EQ(Ln("%n ports", 1), "1 port");
  // No translation: the English text with its values.
  EXPECT_EQ(L("%@ h %@ min", {"1", "15"}), "1 h 15 min");
  EXPECT_EQ(fmtDuration(75), "1 h 15 min");
  Loc::set("system", &defaults);
  EXPECT_EQ(defaults.string("qel.language", ""), "system");
}

TEST(LocStart, aFirstStartWritesTheChoiceSystem) {
  test::TempDir dir;
  const auto file = dir / "defaults.json";
  {
    Defaults fresh(file);
    Loc::start(fresh);
  }
  EXPECT_EQ(Defaults(file).value("qel.language"), nlohmann::json("system"));
  {
    Defaults chosen(file);
    chosen.set("qel.language", "de");
    Loc::start(chosen);
  }
  EXPECT_EQ(Defaults(file).string("qel.language", ""), "de");  // a choice made stays
  Loc::set("en", nullptr);
}
