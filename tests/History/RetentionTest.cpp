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
      {"only today", "2026-06-15", {"2026-06-15"}, 7, std::nullopt},
      {"keep everything", "2026-06-15", {"2026-06-15", "2020-01-01"}, 0, std::nullopt},
      {"not a day key", "soon", {"soon", "2020-01-01"}, 7, std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(pruneBefore(c.today, c.recorded, c.keep), c.before) << c.what;
}
