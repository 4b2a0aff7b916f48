#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include "Qel/Store/DayRecorder.hpp"
#include "Qel/Store/LiveSeries.hpp"

using namespace qel;

TEST(LiveSeries, historyKeepsSixty) {
  std::vector<double> h(60, 0.0);
  h[0] = 9;
  push(h, 1);
  EXPECT_EQ(h.size(), 60u);
  EXPECT_EQ(h.front(), 0);
  EXPECT_EQ(h.back(), 1);
}

TEST(LiveSeries, peaksHoldFourTicksThenFallToTheLoad) {
  std::vector<double> peaks, loads{0.9};
  std::vector<int> ages;
  updatePeaks(peaks, ages, loads);
  std::vector<double> seen;
  for (int i = 0; i < 20; ++i) {
    updatePeaks(peaks, ages, {0.2});
    seen.push_back(peaks[0]);
  }
  for (int i = 0; i < 4; ++i) EXPECT_DOUBLE_EQ(seen[i], 0.9);
  EXPECT_NEAR(seen[4], 0.85, 1e-9);
  EXPECT_NEAR(seen[5], 0.80, 1e-9);
  EXPECT_DOUBLE_EQ(seen.back(), 0.2);
  updatePeaks(peaks, ages, {0.1, 0.5});  // core count changed: restart
  EXPECT_EQ(peaks, (std::vector<double>{0.1, 0.5}));
  EXPECT_EQ(ages, (std::vector<int>{0, 0}));
}

TEST(LiveSeries, energySeriesEnterAndLeave) {
  std::map<std::int32_t, std::vector<double>> series;
  std::map<std::int32_t, std::string> names;
  std::map<std::int32_t, std::uint64_t> starts;
  recordEnergy(series, names, starts, {{.pid = 1, .name = "low", .energy = 0.004}, {.pid = 2, .name = "hot", .energy = 0.006}});
  EXPECT_FALSE(series.count(1));
  ASSERT_TRUE(series.count(2));
  EXPECT_EQ(series[2].size(), 60u);
  EXPECT_DOUBLE_EQ(series[2].back(), 0.006);
  EXPECT_DOUBLE_EQ(series[2][58], 0);
  recordEnergy(series, names, starts, {{.pid = 2, .name = "renamed", .energy = 0}});
  EXPECT_EQ(names[2], "renamed");  // listed at 0 W: stays
  for (int i = 0; i < 58; ++i) recordEnergy(series, names, starts, {});
  EXPECT_TRUE(series.count(2));  // the 0.006 is still inside the window
  recordEnergy(series, names, starts, {});
  EXPECT_FALSE(series.count(2));
  EXPECT_FALSE(names.count(2));
}

TEST(LiveSeries, aPidTakenByANewProcessStartsItsOwnEnergySeries) {
  std::map<std::int32_t, std::vector<double>> series;
  std::map<std::int32_t, std::string> names;
  std::map<std::int32_t, std::uint64_t> starts;
  recordEnergy(series, names, starts, {{.pid = 7, .name = "encoder", .energy = 3.0, .startTime = 100}});
  // The encoder ended and a quiet process took its pid: no series, no name of the encoder's.
  recordEnergy(series, names, starts, {{.pid = 7, .name = "sleep", .energy = 0, .startTime = 900}});
  EXPECT_FALSE(series.count(7));
  EXPECT_FALSE(names.count(7));
  // One that draws power starts from zeros, under its own name.
  recordEnergy(series, names, starts, {{.pid = 7, .name = "sleep", .energy = 0.5, .startTime = 900}});
  ASSERT_TRUE(series.count(7));
  EXPECT_EQ(*std::max_element(series[7].begin(), series[7].end()), 0.5);
  EXPECT_EQ(names[7], "sleep");
}

TEST(DayRecorder, foldsMeansAndPeaks) {
  std::vector<ProcInfo> procs{{.pid = 1, .name = "a", .cpu = 30}, {.pid = 2, .name = "b", .cpu = 80},
                              {.pid = 3, .name = "c", .cpu = 80}};
  auto b = foldSample(std::nullopt, 0.4, 0.5, 30, procs);
  EXPECT_EQ(b, (DayBucket{.cpu = 0.4, .mem = 0.5, .pressure = 30, .peak = 0.4, .top = "b", .topCPU = 80, .count = 1}));
  b = foldSample(b, 0.4, 0.5, 30, {{.pid = 9, .name = "z", .cpu = 5}});  // equal peak moves the top
  EXPECT_EQ(b.top, "z");
  b = foldSample(b, 0.2, 0.5, 60, {{.pid = 8, .name = "y", .cpu = 99}});  // below the peak: top stays
  EXPECT_EQ(b.top, "z");
  EXPECT_EQ(b.count, 3);
  EXPECT_NEAR(b.cpu, (0.4 + 0.4 + 0.2) / 3, 1e-12);
  EXPECT_NEAR(b.pressure, 40, 1e-12);
  b = foldSample(b, 0.9, 0.5, 30, {});  // no processes: the top stays
  EXPECT_EQ(b.top, "z");
  EXPECT_DOUBLE_EQ(b.peak, 0.9);

  // A count read back out of range (a damaged file): never an overflow or a division by zero.
  b = foldSample(DayBucket{.cpu = 0.5, .count = INT_MAX}, 0.1, 0.5, 30, {});
  EXPECT_EQ(b.count, INT_MAX);
  EXPECT_NEAR(b.cpu, 0.5, 1e-6);
  b = foldSample(DayBucket{.cpu = 0.5, .count = -1}, 0.1, 0.5, 30, {});
  EXPECT_EQ(b.count, 1);
  EXPECT_DOUBLE_EQ(b.cpu, 0.1);
}
