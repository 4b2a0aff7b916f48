#include <gtest/gtest.h>

#include <limits>

#include "Qel/Samplers/CoreOrder.hpp"

using namespace qel;

namespace {
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
}

TEST(CoreOrder, putsTheEfficiencyCoresFirstWhereverTheKernelNumbersThem) {
  const unsigned last[] = {8, 9, 10, 11};
  EXPECT_EQ(efficiencyFirst(12, last), (std::vector<int>{8, 9, 10, 11, 0, 1, 2, 3, 4, 5, 6, 7}));
  const unsigned spread[] = {1, 3};
  EXPECT_EQ(efficiencyFirst(4, spread), (std::vector<int>{1, 3, 0, 2}));
  // A list that doesn't fit (an offline processor, a repeat) leaves the kernel's order.
  const unsigned outside[] = {2, 7}, repeated[] = {1, 1};
  EXPECT_EQ(efficiencyFirst(4, outside), (std::vector<int>{0, 1, 2, 3}));
  EXPECT_EQ(efficiencyFirst(4, repeated), (std::vector<int>{0, 1, 2, 3}));
  EXPECT_EQ(efficiencyFirst(3, {}), (std::vector<int>{0, 1, 2}));
  EXPECT_TRUE(efficiencyFirst(0, last).empty());

  const double loads[] = {0.2, 0.4, 1.0, 0.0, 0.5};
  const auto g = coreGroups(loads, 2);
  EXPECT_DOUBLE_EQ(g.efficiency, 0.3);
  EXPECT_DOUBLE_EQ(g.performance, 0.5);
  EXPECT_DOUBLE_EQ(coreGroups(loads, 9).performance, 0);
  EXPECT_DOUBLE_EQ(coreGroups({}, 2).efficiency, 0);
  const double bad[] = {kNaN, 1.0};
  EXPECT_DOUBLE_EQ(coreGroups(bad, 0).performance, 0.5);

  // One order for loads and peaks; a core without a peak yet shows its load as its peak.
  const ChipInfo hybrid{"Chip", 2, {1, 3}};
  const double perCore[] = {0.1, 0.2, 0.3, 0.4}, peaks[] = {0.5, 0.6};
  const CoreOrder order = coreOrder(perCore, peaks, hybrid);
  EXPECT_EQ(order.loads, (std::vector<double>{0.2, 0.4, 0.1, 0.3}));
  EXPECT_EQ(order.peaks, (std::vector<double>{0.6, 0.4, 0.5, 0.3}));
  EXPECT_DOUBLE_EQ(order.groups.efficiency, 0.3);
  EXPECT_DOUBLE_EQ(order.groups.performance, 0.2);
}
