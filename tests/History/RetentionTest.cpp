#include <gtest/gtest.h>

#include "Qel/History/Retention.hpp"

using namespace qel;

TEST(Retention, oldDaysGoOnlyCountedFromDaysThatWereRecorded) {
  using Days = std::vector<std::string>;
  struct Case {
    const char* what;
    std::string today;
    Days recorded;
    int keep;
    std::optional<std::string> before;
    Days unsure{};
  };
  const Case cases[] = {
      {"every day recorded", "2026-06-15", {"2026-06-15", "2026-06-14", "2026-05-01"}, 30, "2026-05-16"},
      {"today not recorded yet", "2026-06-15", {"2026-06-14", "2026-05-01"}, 30, std::nullopt},
      {"clock years ahead", "2031-03-02", {"2031-03-02", "2026-06-15", "2026-06-10"}, 30, "2026-05-17"},
      {"clock years ahead, short window", "2031-03-02", {"2031-03-02", "2026-06-15", "2026-06-10"}, 3,
       "2026-06-13"},
      {"first day after two months off", "2026-08-20", {"2026-08-20", "2026-06-15", "2026-06-01"}, 30,
       "2026-05-17"},
      {"second day after two months off", "2026-08-21", {"2026-08-21", "2026-08-20", "2026-06-15"}, 30,
       "2026-07-22"},
      {"a future day left by a wrong clock", "2026-06-15", {"2031-03-02", "2026-06-15", "2026-06-14"}, 7,
       "2026-06-08"},
      {"the day before midnight was written by a run whose clock jumped", "2031-03-03",
       {"2031-03-03", "2031-03-02", "2026-06-15", "2026-06-10"}, 30, "2026-05-17", {"2031-03-02", "2031-03-03"}},
      {"every earlier day unsure", "2031-03-03", {"2031-03-03", "2031-03-02"}, 30, std::nullopt, {"2031-03-02"}},
      {"only today", "2026-06-15", {"2026-06-15"}, 7, std::nullopt},
      {"keep everything", "2026-06-15", {"2026-06-15", "2020-01-01"}, 0, std::nullopt},
      {"not a day key", "soon", {"soon", "2020-01-01"}, 7, std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(pruneBefore(c.today, c.recorded, c.keep, c.unsure), c.before) << c.what;
}

TEST(Retention, aJumpIsMeasuredFromTheNewestEarlierDay) {
  const std::vector<std::string> stored{"2026-06-15", "2026-06-10", "2031-03-02"};
  EXPECT_TRUE(jumpsPastHistory("2031-03-01", stored, 30));
  EXPECT_TRUE(jumpsPastHistory("2026-07-16", stored, 30));
  EXPECT_FALSE(jumpsPastHistory("2026-07-15", stored, 30));   // exactly the retention
  EXPECT_FALSE(jumpsPastHistory("2031-03-03", stored, 30));   // the day after a stored one
  EXPECT_FALSE(jumpsPastHistory("2026-06-16", stored, 30));   // a later day ahead is no gap
  EXPECT_FALSE(jumpsPastHistory("2026-06-01", stored, 30));   // nothing stored before it
  EXPECT_FALSE(jumpsPastHistory("2031-03-01", stored, 0));    // kept forever: nothing to guard
}
