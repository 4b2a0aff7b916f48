#include <gtest/gtest.h>

#include <cmath>

#include "Qel/History/HistoryCoding.hpp"

using namespace qel;
using namespace std::chrono_literals;

namespace {
const Date k2001 = fromSeconds(978307200);
}

TEST(HistoryCoding, wakesUseSecondsSince2001AndLeaveOutAnAbsentCharge) {
  const std::vector<SleepWake> wakes = {{k2001 + 10s, 42, 78, "RTC"}, {k2001 + 1500ms, 3, std::nullopt, ""}};
  EXPECT_EQ(encodeWakes(wakes),
            R"([{"date":10.0,"seconds":42,"charge":78,"reason":"RTC"},{"date":1.5,"seconds":3,"reason":""}])");
  EXPECT_EQ(decodeWakes(encodeWakes(wakes)), wakes);
  EXPECT_EQ(encodeWakes({}), "[]");
  // Bad UTF-8 from a log line is replaced, not a reason to lose the wakes.
  EXPECT_EQ(decodeWakes(encodeWakes({{k2001, 1, {}, "bad \xff"}})).size(), 1u);
}

TEST(HistoryCoding, wakesDecodeInAnyKeyOrderOrNotAtAll) {
  struct Case {
    const char* text;
    std::vector<SleepWake> want;
  };
  const Case cases[] = {
      {R"([{"reason":"x","charge":null,"seconds":3.0,"date":0}])", {{k2001, 3, {}, "x"}}},
      {R"([{"reason":"x","seconds":3,"date":-1,"extra":true}])", {{k2001 - 1s, 3, {}, "x"}}},
      {R"([{"reason":"x","seconds":3.5,"date":0}])", {}},            // not a whole number
      {R"([{"reason":"x","seconds":3,"date":0,"charge":"7"}])", {}},  // a charge of the wrong type
      {R"([{"reason":"x","seconds":3}])", {}},                        // no date
      {R"([{"reason":"x","seconds":1e10,"date":0}])", {}},            // too big for an Int
      {R"([{"reason":"x","seconds":3,"date":1e400}])", {}},
      {R"([{"reason":"x","seconds":3,"date":0}, 5])", {}},  // one bad entry spoils the list
      {R"({"reason":"x"})", {}},
      {"", {}},
      {"[", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(decodeWakes(c.text), c.want) << c.text;
}

TEST(HistoryCoding, stretchListsNeverHoldNonFiniteNumbers) {
  const double nan = std::nan(""), inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(encodeStretchApps({{"cc1", 0.75}, {"ld", nan}}), R"([{"name":"cc1","share":0.75},{"name":"ld","share":0.0}])");
  EXPECT_EQ(encodeSeries({0.5, inf, -inf, nan}), "[0.5,0.0,0.0,0.0]");
  EXPECT_EQ(decodeSeries("[0.5, 1, -2e3]"), (std::vector<double>{0.5, 1, -2000}));
  EXPECT_EQ(decodeSeries("[0.5, null]"), std::vector<double>{});
  EXPECT_EQ(decodeSeries("[0.5, 1e999]"), std::vector<double>{});
  EXPECT_EQ(decodeStretchApps(R"([{"share":0.5,"name":"a"}])"), (std::vector<StretchApp>{{"a", 0.5}}));
  EXPECT_EQ(decodeStretchApps(R"([{"name":"a"}])"), std::vector<StretchApp>{});
  EXPECT_EQ(decodeStretchApps(R"([{"name":1,"share":0.5}])"), std::vector<StretchApp>{});
}

TEST(HistoryCoding, olderFilesDecodeOnlyWhenEveryEntryIsComplete) {
  const char* bucket = R"({"cpu":0.5,"mem":0.25,"pressure":20,"peak":0.9,"top":"make","topCPU":180,"count":60})";
  const auto day = decodeLegacyDay(std::string(R"({"key":"2024-03-09","buckets":[null,)") + bucket + "]}");
  ASSERT_TRUE(day);
  EXPECT_EQ(*day, (LegacyDay{"2024-03-09", {std::nullopt, DayBucket{0.5, 0.25, 20, 0.9, "make", 180, 60}}}));
  EXPECT_FALSE(decodeLegacyDay(R"({"key":"2024-03-09","buckets":[{"cpu":0.5}]})"));
  EXPECT_FALSE(decodeLegacyDay(R"({"key":"2024-03-09","buckets":[1]})"));
  EXPECT_FALSE(decodeLegacyDay(R"({"key":"2024-03-09"})"));
  EXPECT_FALSE(decodeLegacyDay(R"({"key":7,"buckets":[]})"));
  EXPECT_FALSE(decodeLegacyDay(R"([])"));

  EXPECT_EQ(decodeLegacyBaseline(R"([{"cpu":0.5,"days":3},{"days":14,"cpu":1}])"),
            (std::vector<BaselineSlot>{{0.5, 3}, {1, 14}}));
  EXPECT_FALSE(decodeLegacyBaseline(R"([{"cpu":0.5,"days":3.5}])"));
  EXPECT_FALSE(decodeLegacyBaseline(R"([{"cpu":"0.5","days":3}])"));
  EXPECT_FALSE(decodeLegacyBaseline(R"({})"));
}
