#include <gtest/gtest.h>

#include "Qel/Text/TextWidth.hpp"

using namespace qel;

TEST(TextWidth, columnsAreTheRoomATerminalGivesTheText) {
  const struct {
    const char* text;
    std::size_t width;
  } cases[] = {
      {"", 0},
      {"make", 4},
      {"Gestionnaire de fichiers", 24},
      {"r\xC3\xA9seau", 6},                       // é as one character
      {"re\xCC\x81seau", 6},                      // é as e and a combining accent
      {"\xE7\xB7\xA8\xE9\x9B\x86\xE5\x99\xA8", 6},  // 編集器
      {"\xED\x95\x9C\xEA\xB8\x80", 4},            // 한글
      {"\xEF\xBC\xA1\xEF\xBC\xA2", 4},            // full-width ＡＢ
      {"\xF0\x9F\x94\xA5 fire", 7},               // 🔥 and a word
      {"a\xE2\x80\x8D" "b", 2},                   // a zero-width joiner takes no room
      {"\xFF" "x", 2},                            // a stray byte is one column
  };
  for (const auto& c : cases) EXPECT_EQ(displayWidth(c.text), c.width) << c.text;
}

TEST(TextWidth, paddingAndCuttingLineColumnsUpByWidth) {
  // Rows of a table: the column after the name starts at the same place on every row.
  for (const char* name : {"make", "\xE7\xB7\xA8\xE9\x9B\x86\xE5\x99\xA8", "re\xCC\x81seau", "\xF0\x9F\x94\xA5"})
    EXPECT_EQ(displayWidth(padToWidth(name, 10) + "|"), 11u) << name;
  EXPECT_EQ(padToWidth("42", 5, true), "   42");
  EXPECT_EQ(padToWidth("too long", 3), "too long");  // never cut by padding
  // Cut between characters, never through a wide one, and a mark stays with its letter.
  EXPECT_EQ(cutToWidth("\xE7\xB7\xA8\xE9\x9B\x86\xE5\x99\xA8", 5), "\xE7\xB7\xA8\xE9\x9B\x86");
  EXPECT_EQ(cutToWidth("re\xCC\x81seau", 2), "re\xCC\x81");
  EXPECT_EQ(cutToWidth("make", 10), "make");
  EXPECT_EQ(cutToWidth("make", 0), "");
}
