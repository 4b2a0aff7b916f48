#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

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

TEST(StretchRecorder, finishingShortStretches) {
  const Date start = fromSeconds(1781470000), end = start + std::chrono::seconds(5);
  StretchRecorder none{.start = start};
  const Stretch empty = none.finish(end);
  EXPECT_EQ(empty.average, 0);
  EXPECT_EQ(empty.series, (std::vector<double>{0, 0}));
  EXPECT_TRUE(empty.top.empty());
  EXPECT_EQ(empty.start, start);
  EXPECT_EQ(empty.end, end);

  StretchRecorder one{.start = start};
  one.record(0.6, 10);
  const Stretch s = one.finish(end);
  EXPECT_DOUBLE_EQ(s.average, 0.6);
  EXPECT_DOUBLE_EQ(s.peak, 0.6);
  EXPECT_EQ(s.series, (std::vector<double>{0.6, 0.6}));

  // Not-a-number from a reader counts as nothing rather than poisoning the sums.
  one.record(std::nan(""), std::nan(""));
  EXPECT_DOUBLE_EQ(one.cpuSum, 0.6);
  EXPECT_DOUBLE_EQ(one.joules, 10);
}

TEST(StretchRecorder, topAppsAndEnergy) {
  StretchRecorder r;
  for (int i = 0; i < 3600; ++i) r.record(0.25, 12.0);
  const std::vector<std::pair<const char*, double>> apps = {
      {"Editor", 40}, {"Browser", 100}, {"Player", 30}, {"Terminal", 20}, {"Mail", 10}};
  for (const auto& [name, cpu] : apps) r.addApp(name, cpu);
  r.addApp("Editor", 10);  // two processes of one app add up
  const Stretch s = r.finish({});
  EXPECT_DOUBLE_EQ(s.wattHours, 12.0);
  ASSERT_EQ(s.top.size(), 4u);
  EXPECT_EQ(s.top[0], (StretchApp{"Browser", 100.0 / 210}));
  EXPECT_EQ(s.top[1], (StretchApp{"Editor", 50.0 / 210}));
  EXPECT_EQ(s.top[3].name, "Terminal");
  const double shares = std::accumulate(s.top.begin(), s.top.end(), 0.0, [](double a, auto& x) { return a + x.share; });
  EXPECT_LT(shares, 1.0);
}

TEST(StretchRecorder, wattHoursText) {
  const std::vector<std::pair<double, const char*>> cases = {
      {0.999, "999 mWh"}, {1.0, "1.0 Wh"}, {0, "0 mWh"}, {12.34, "12.3 Wh"}};
  for (const auto& [wh, text] : cases) EXPECT_EQ(fmtWattHours(wh), text) << wh;
}
