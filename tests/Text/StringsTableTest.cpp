#include <gtest/gtest.h>

#include "Qel/Text/StringsTable.hpp"

using qel::parseStringsTable;

TEST(StringsTable, parsesCommentsEscapesAndBareWords) {
  auto t = parseStringsTable(
      "\xEF\xBB\xBF// line comment\n/* block\n comment */\n"
      "\"a \\\"quoted\\\" key\" = \"line\\nbreak\";\n"
      "bare_key = \"x\";\n"
      "\"self\";\n"
      "\"unicode\" = \"\\U00e9\";\n");
  ASSERT_TRUE(t);
  EXPECT_EQ((*t)["a \"quoted\" key"], "line\nbreak");
  EXPECT_EQ((*t)["bare_key"], "x");
  EXPECT_EQ((*t)["self"], "self");
  EXPECT_EQ((*t)["unicode"], "é");
}

TEST(StringsTable, rejectsBrokenText) {
  for (const char* text : {"\"a\" = \"b\"", "\"a\" = \"b", "/* open", "\"a\" = ;", "= \"b\";",
                           "\"a\" \"b\";", "\"a\" = \"\\U12\";"})
    EXPECT_FALSE(parseStringsTable(text)) << text;
  EXPECT_TRUE(parseStringsTable("")->empty());
}
