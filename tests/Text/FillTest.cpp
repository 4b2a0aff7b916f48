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

TEST(SameConversions, reorderedValuesPassOthersAreRefused) {
  struct Case {
    const char* key;
    const char* translation;
    bool same;
  } cases[] = {
      {"%@ h %@ min", "%@ Std. %@ Min.", true},
      {"%@ used of %@", "%2$@ 中 %1$@ 已用", true},        // word order differs
      {"%@ used of %@", "%1$@ %2$@", true},
      {"Quit", "Beenden", true},
      {"Memory pressure is %@%.", "Speicherdruck: %@ %.", true},  // a "%" before a space is text
      {"Load %.2f", "Last %.2f", true},
      {"100%", "100 %", true},
      {"%@ h %@ min", "%@ Std.", false},                    // a value lost
      {"Quit", "Beenden %@", false},                        // a placeholder with nothing to fill it
      {"%@ used of %@", "%1$@ von %1$@", false},            // value 2 never shown
      {"%@ used of %@", "%1$@ von %3$@", false},            // no third value
      {"%@ used of %@", "%2$@ von %@", false},              // plain "%@" would show as written
      {"%@", "%1$@ %1$@", false},
      {"Load %.2f", "Last %.1f", false},
      {"Load %.2f", "Last %@", false},
      {"%.1f watts", "%.1f W %.1f", false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(qel::sameConversions(c.key, c.translation), c.same) << c.key << " → " << c.translation;
}
