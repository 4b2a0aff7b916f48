// Every translation of the old strings tables is in the compiled tables, word for word.
#include <gtest/gtest.h>

#include "Qel/Platform/Resources.hpp"
#include "Qel/Text/Loc.hpp"
#include "Qel/Text/StringsTable.hpp"

using namespace qel;

TEST(TranslationTableMove, everyOldTranslationIsKept) {
  for (const auto& l : Loc::languages) {
    if (l.code == "en") continue;
    const auto file = embeddedFile(std::string(l.code) + ".lproj/Localizable.strings");
    ASSERT_TRUE(file) << l.code;
    const auto old = parseStringsTable(*file);
    ASSERT_TRUE(old) << l.code;
    const auto now = Loc::loadTable(l.code);
    EXPECT_EQ(now.entries.size(), old->size()) << l.code;
    for (const auto& [key, translation] : *old) {
      const std::string* moved = now.find(key);
      EXPECT_TRUE(moved && *moved == translation) << l.code << ": \"" << key << "\"";
    }
  }
}
