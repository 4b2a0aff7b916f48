#include <gtest/gtest.h>

#include <cmath>

#include "Qel/History/StretchRecorder.hpp"
#include "Qel/Text/Format.hpp"

using namespace qel;

TEST(StretchRecorder, seriesHalvesAt240Points) {
  StretchRecorder r;
  for (int i = 0; i < 240; ++i) r.record(i % 2 ? 1.0 : 0.0, 0);
  ASSERT_EQ(r.series.size(), 120u);
  EXPECT_EQ(r.stride, 2);
  EXPECT_DOUBLE_EQ(r.series.front(), 0.5);
  r.record(0.2, 0);
  EXPECT_EQ(r.series.size(), 120u);  // one tick is half a point now
  r.record(0.4, 0);
  ASSERT_EQ(r.series.size(), 121u);
  EXPECT_DOUBLE_EQ(r.series.back(), 0.3);

  // However long it runs, the series stays under 240 points of equal width.
  for (int i = 0; i < 100'000; ++i) r.record(0.5, 0);
  EXPECT_LT(r.series.size(), 240u);
  EXPECT_EQ(r.stride, 512);
}

TEST(StretchRecorder, stoppedAfterNoTickHasAFlatSeries) {
  StretchRecorder none{.start = fromSeconds(1781470000)};
  const Stretch s = none.finish(none.start + std::chrono::seconds(5));
  EXPECT_EQ(s.average, 0);
  EXPECT_EQ(s.series, (std::vector<double>{0, 0}));
  EXPECT_TRUE(s.top.empty());
  // Not-a-number from a reader counts as nothing rather than poisoning the sums.
  none.record(std::nan(""), std::nan(""));
  EXPECT_EQ(none.cpuSum, 0);
  EXPECT_EQ(none.joules, 0);
}

TEST(StretchRecorder, wattHoursText) {
  const std::vector<std::pair<double, const char*>> cases = {
      {0.999, "999 mWh"}, {1.0, "1.0 Wh"}, {0, "0 mWh"}, {12.34, "12.3 Wh"}};
  for (const auto& [wh, text] : cases) EXPECT_EQ(fmtWattHours(wh), text) << wh;
}
