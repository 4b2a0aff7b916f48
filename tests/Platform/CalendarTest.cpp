#include <gtest/gtest.h>

#include "Qel/Platform/Runtime/Calendar.hpp"
#include "tests/support/ScopedTimeZone.hpp"

using namespace qel;
using namespace std::chrono_literals;

TEST(Calendar, dayKeysAndSlotsFromWallClock) {
  // In Berlin 2026-03-29 loses an hour and 2026-10-25 gains one.
  test::ScopedTimeZone berlin("Europe/Berlin");
  const Date start = *dayStart("2026-03-29");
  EXPECT_EQ(dayKey(start), "2026-03-29");
  EXPECT_EQ(slotOf(start), 0);
  // Three hours after midnight on the spring-forward day is 04:00 on the wall: slot 24, not 18.
  EXPECT_EQ(slotOf(start + 3h), 24);
  EXPECT_EQ(dayKey(start + 23h - 1s), "2026-03-29");
  EXPECT_EQ(dayKey(start + 23h), "2026-03-30");
  EXPECT_EQ(slotOf(start + 23h - 1s), 143);
  // The autumn day has 25 hours; 02:30 happens twice and is slot 15 both times.
  const Date autumn = *dayStart("2026-10-25");
  EXPECT_EQ(slotOf(autumn + 2h + 30min), 15);
  EXPECT_EQ(slotOf(autumn + 3h + 30min), 15);
  EXPECT_EQ(dayKey(autumn + 24h + 59min), "2026-10-25");
}

TEST(Calendar, keysAreValidatedAndStepped) {
  for (const char* bad : {"2026-02-30", "2026-13-01", "2026-1-01", "20260101xx", "abcd-ef-gh", "", "2026-00-10"})
    EXPECT_FALSE(isDayKey(bad)) << bad;
  EXPECT_TRUE(isDayKey("2024-02-29"));
  EXPECT_FALSE(isDayKey("2025-02-29"));
  EXPECT_EQ(addDays("2026-03-28", 1), "2026-03-29");
  EXPECT_EQ(addDays("2026-03-29", 1), "2026-03-30");
  EXPECT_EQ(addDays("2026-01-01", -1), "2025-12-31");
  EXPECT_EQ(addDays("nonsense", 1), std::nullopt);
}
