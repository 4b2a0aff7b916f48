#include <gtest/gtest.h>

#include <cmath>

#include "Qel/History/HistoryCoding.hpp"

using namespace qel;
using namespace std::chrono_literals;

TEST(HistoryCoding, wakesUseSecondsSince2001AndLeaveOutAnAbsentCharge) {
  const Date y2001 = fromSeconds(978307200);
  const std::vector<SleepWake> wakes = {{y2001 + 10s, 42, 78, "RTC"}, {y2001 + 1500ms, 3, std::nullopt, "bad \xff"}};
  EXPECT_EQ(encodeWakes(wakes),
            R"([{"date":10.0,"seconds":42,"charge":78,"reason":"RTC"},{"date":1.5,"seconds":3,"reason":"bad )"
            "\xef\xbf\xbd\"}]");
  EXPECT_EQ(decodeWakes(encodeWakes({wakes[0]})), std::vector{wakes[0]});

  struct Case {
    const char* text;
    std::vector<SleepWake> want;
  };
  const Case cases[] = {
      {R"([{"reason":"x","charge":null,"seconds":3.0,"date":-1,"extra":1}])", {{y2001 - 1s, 3, {}, "x"}}},
      {R"([{"reason":"x","seconds":3.5,"date":0}])", {}},             // not a whole number
      {R"([{"reason":"x","seconds":3,"date":0,"charge":"7"}])", {}},  // a charge of the wrong type
      {R"([{"reason":"x","seconds":3}])", {}},                        // no date
      {R"([{"reason":"x","seconds":1e10,"date":0}])", {}},            // too big for an Int
      {R"([{"reason":"x","seconds":3,"date":1e400}])", {}},
      {R"([{"reason":"x","seconds":3,"date":0}, 5])", {}},  // one bad entry spoils the list
      {"[", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(decodeWakes(c.text), c.want) << c.text;
}

TEST(HistoryCoding, stretchListsNeverHoldNonFiniteNumbers) {
  const double nan = std::nan(""), inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(encodeStretchApps({{"cc1", 0.75}, {"ld", nan}}), R"([{"name":"cc1","share":0.75},{"name":"ld","share":0.0}])");
  EXPECT_EQ(encodeSeries({0.5, inf, -inf, nan}), "[0.5,0.0,0.0,0.0]");
  EXPECT_EQ(decodeSeries("[0.5, 1, -2e3]"), (std::vector<double>{0.5, 1, -2000}));
  for (const char* bad : {"[0.5, null]", "[1e999]", "{}"}) EXPECT_EQ(decodeSeries(bad), std::vector<double>{}) << bad;
  EXPECT_EQ(decodeStretchApps(R"([{"share":0.5,"name":"a"}])"), (std::vector<StretchApp>{{"a", 0.5}}));
  for (const char* bad : {R"([{"name":"a"}])", R"([{"name":1,"share":0.5}])"})
    EXPECT_EQ(decodeStretchApps(bad), std::vector<StretchApp>{}) << bad;
}
