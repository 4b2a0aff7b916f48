#include <gtest/gtest.h>

#include "Qel/Text/Fill.hpp"

using qel::fill;

TEST(Fill, sequentialPlaceholders) {
  struct Case {
    const char* format;
    std::vector<std::string> args;
    const char* expected;
  } cases[] = {
      {"%@ h %@ min", {"1", "15"}, "1 h 15 min"},
      {"%@ h %@ min", {"1"}, "1 h  min"},             // missing argument becomes empty
      {"%@ and %@", {"a", "b", "c"}, "a and b"},      // surplus argument dropped
      {"%@ h %@ min", {}, "%@ h %@ min"},             // no arguments: unchanged
      {"100% of %@", {"x"}, "100% of x"},             // a lone percent stays
      {"%@", {"%@ %@"}, "%@ %@"},                     // inserted text is not filled again
      {"ends with %", {"x"}, "ends with %"},
  };
  for (const auto& c : cases) EXPECT_EQ(fill(c.format, c.args), c.expected) << c.format;
}

TEST(Fill, positionalPlaceholders) {
  struct Case {
    const char* format;
    std::vector<std::string> args;
    const char* expected;
  } cases[] = {
      {"%2$@ before %1$@", {"a", "b"}, "b before a"},
      {"%1$@ and %3$@", {"a", "b"}, "a and %3$@"},    // number beyond the arguments stays
      {"%1$@ and %@", {"a"}, "a and %@"},             // plain %@ stays in a positional format
      {"%1$@%1$@", {"x"}, "xx"},
      {"%99999999999999999999$@", {"x"}, "%99999999999999999999$@"},
      {"%0$@", {"x"}, "%0$@"},
  };
  for (const auto& c : cases) EXPECT_EQ(fill(c.format, c.args), c.expected) << c.format;
}

TEST(Fill, hostileArgumentsAreInsertedOnce) {
  // A process named "%2$@" must show as itself, not pull in the next argument.
  EXPECT_EQ(fill("%1$@ uses %2$@", {"%2$@", "90%"}), "%2$@ uses 90%");
  EXPECT_EQ(fill("%2$@ / %1$@", {"%1$@", "%2$@"}), "%2$@ / %1$@");
}

TEST(Fill, outsideNamesCanNotTurnOrBreakTheSentence) {
  // A name with a right-to-left override would show the rest of the toast backwards.
  EXPECT_EQ(fill("Removed the rule for %@", {"exe\xE2\x80\xAEgpj.exe"}), "Removed the rule for exegpj.exe");
  EXPECT_EQ(fill("%1$@ uses %2$@", {"a\nb\x1B", "90%"}), "ab uses 90%");
  EXPECT_EQ(fill("Ended %@", {"cut\xE2\x82"}), "Ended cut\xEF\xBF\xBD");
}
