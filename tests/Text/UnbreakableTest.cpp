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
