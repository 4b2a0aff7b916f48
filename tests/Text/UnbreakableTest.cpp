#include <gtest/gtest.h>

#include "Qel/Text/Unbreakable.hpp"

using namespace qel;

namespace {
const std::string nbsp = "\u00A0", join = "\u2060";
}

TEST(Unbreakable, quotedCommandsAndPathsStayWholeInEveryLanguagesQuotes) {
  struct Case {
    const char* text;
    std::string want;
  } cases[] = {
      {"Run “systemctl list-timers” now.", "Run “systemctl" + nbsp + "list-" + join + "timers” now."},
      {"Mit „systemctl list-timers“ siehst du", "Mit „systemctl" + nbsp + "list-" + join + "timers“ siehst du"},
      {"avec « systemctl list-timers » on", "avec «" + nbsp + "systemctl" + nbsp + "list-" + join + "timers" + nbsp +
                                                "» on"},
      {"「journalctl -k」で", "「journalctl" + nbsp + "-" + join + "k」で"},
      {"The log and /proc/acpi/wakeup tell.", "The log and /" + join + "proc/" + join + "acpi/" + join + "wakeup tell."},
      {"(ends in /proc/acpi/wakeup.)", "(ends in /" + join + "proc/" + join + "acpi/" + join + "wakeup.)"},
      // Quoted words that are not code, and a lone mark, are left as they are.
      {"This moment is inside “Release build”.", "This moment is inside “Release" + nbsp + "build”."},
      {"“Größe” bleibt", "“Größe” bleibt"},
      {"an open “ with no end", "an open “ with no end"},
      {"", ""},
      {"plain words - and a dash / a slash", "plain words - and a dash / a slash"},
  };
  for (const auto& c : cases) EXPECT_EQ(keepCommandsWhole(c.text), c.want) << c.text;
}

TEST(Unbreakable, invalidBytesPassThrough) {
  const std::string bad = "“a\xff b” \xc3";
  EXPECT_EQ(keepCommandsWhole(bad), bad);
}

TEST(Unbreakable, aFigureKeepsTheUnitAfterIt) {
  struct Case {
    std::string text, want;
  } cases[] = {
      {"firefox pushed the CPU to 100% 59 s ago", "firefox pushed the CPU to 100% 59" + nbsp + "s ago"},
      {"до 100% 58 с назад", "до 100% 58" + nbsp + "с назад"},
      {"59 秒前", "59" + nbsp + "秒前"},
      {"Pas de mise en veille pendant 2 h", "Pas de mise en veille pendant 2" + nbsp + "h"},
      {"Memory 900 MB, 60 % used", "Memory 900" + nbsp + "MB, 60" + nbsp + "% used"},
      // A break stays where no unit follows a figure: between two figures, after a sign, at the end.
      {"at 16:24 - 3 4", "at 16:24 - 3 4"},
      {"100% done", "100% done"},
      {"wakes: 2", "wakes: 2"},
      {"2 ", "2 "},
  };
  for (const auto& c : cases) EXPECT_EQ(keepFiguresWithUnits(c.text), c.want) << c.text;
}
