#include <gtest/gtest.h>

#include "Qel/History/AppProfile.hpp"

using namespace qel;

namespace {

constexpr double MB = 1e6;

AppHour hour(std::string day, int h, double cpu, double mem = 0, int samples = 60, std::string version = {},
             double energy = 0) {
  return {std::move(day), h, cpu, mem, energy, samples, std::move(version)};
}

std::vector<int> busiest(const std::vector<std::pair<int, double>>& sums) {
  std::vector<AppHour> rows;
  for (const auto& [h, cpu] : sums) rows.push_back(hour("2026-06-01", h, cpu));
  return AppProfile::build(rows, 0).busiest;
}

// One row per day, day i of `days` carrying version `versions[i]` and mean memory `mem[i]`.
std::optional<AppProfile::Change> change(const std::vector<std::string>& versions, const std::vector<double>& mem) {
  std::vector<AppHour> rows;
  for (std::size_t i = 0; i < versions.size(); ++i) {
    char day[32];
    std::snprintf(day, sizeof day, "2026-06-%02zu", i + 1);
    rows.push_back(hour(day, 10, 1, mem[i] * 60, 60, versions[i]));
  }
  return AppProfile::build(rows, 0).change;
}

}  // namespace

TEST(AppProfile, oneRow) {
  const auto p = AppProfile::build({hour("2026-06-01", 14, 2.0, 6e9)}, 0);
  ASSERT_EQ(p.days.size(), 1u);
  EXPECT_DOUBLE_EQ(p.days[0].mem, 1e8);
  EXPECT_DOUBLE_EQ(p.hours[14], 1.0);
  EXPECT_DOUBLE_EQ(p.hours[13], 0.0);
  EXPECT_EQ(p.busiest, std::vector<int>{14});
  EXPECT_DOUBLE_EQ(p.avgCPU, 2.0 / 60 * 100);
  EXPECT_FALSE(p.change);
  EXPECT_FALSE(p.energyShare);
  EXPECT_EQ(AppProfile::build({}, 5), AppProfile{});
}

TEST(AppProfile, busiestHoursAreThreeOrMoreApartWithoutWrappingPastMidnight) {
  EXPECT_EQ(busiest({{9, 10}, {15, 7}, {11, 6.5}, {10, 8}}), (std::vector<int>{9, 15}));
  EXPECT_EQ(busiest({{20, 5}, {8, 5}}), (std::vector<int>{8, 20}));
  EXPECT_EQ(busiest({{8, 5}, {9, 5}}), std::vector<int>{8});
  EXPECT_EQ(busiest({{23, 10}, {1, 6}}), (std::vector<int>{1, 23}));
  EXPECT_EQ(busiest({{23, 10}, {1, 5.9}}), std::vector<int>{23});
  EXPECT_EQ(busiest({{23, 10}, {20, 6}, {2, 6}}), (std::vector<int>{2, 23}));  // equal candidates: the lower hour
  EXPECT_EQ(busiest({{3, 0}}), std::vector<int>{});
}

TEST(AppProfile, versionChangeNeedsTwoDaysOnEachSide) {
  const auto seen = change({"1.0", "1.0", "1.0", "1.0", "1.0", "1.1", "1.1", "1.1"},
                           {100 * MB, 100 * MB, 100 * MB, 100 * MB, 100 * MB, 130 * MB, 130 * MB, 130 * MB});
  EXPECT_EQ(seen, (AppProfile::Change{.version = "1.1", .day = "2026-06-06", .percent = 30}));
  EXPECT_EQ(change({"1.0", "1.0", "1.1", "1.1"}, {200 * MB, 200 * MB, 150 * MB, 150 * MB})->percent, -25);
  EXPECT_EQ(change({"1.0", "1.0", "1.1", "1.1"}, {100 * MB, 100 * MB, 100.9 * MB, 100.9 * MB})->percent, 0);
  EXPECT_FALSE(change({"1.0", "1.0", "1.0", "1.1"}, {1, 1, 1, 2}));  // one day after
  EXPECT_FALSE(change({"1.0", "1.1", "1.1", "1.1"}, {1, 2, 2, 2}));  // one day before
  EXPECT_FALSE(change({"1.0", "1.0", "", "1.1", "1.1"}, {1, 1, 1, 2, 2}));  // an unknown day breaks it
  // Only the latest change counts, even when it can't be measured.
  EXPECT_FALSE(change({"1.0", "1.0", "1.1", "1.1", "1.2"}, {1, 1, 2, 2, 3}));
}

TEST(AppProfile, energyShareIsCappedAndNeedsATotal) {
  const std::vector<AppHour> rows{hour("2026-06-01", 1, 1, 0, 60, {}, 30)};
  EXPECT_FALSE(AppProfile::build(rows, 0).energyShare);
  EXPECT_DOUBLE_EQ(*AppProfile::build(rows, 120).energyShare, 0.25);
  EXPECT_DOUBLE_EQ(*AppProfile::build(rows, 10).energyShare, 1.0);
}
