#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

#include "Qel/Platform/Runtime/Calendar.hpp"
#include "Qel/Text/Format.hpp"

using namespace qel;

namespace {
// The formatters must not follow the process locale; pin one that writes "1,5".
class GermanLocale : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "de_DE.UTF-8 locale is not installed";
  }
  void TearDown() override { std::setlocale(LC_ALL, saved_.c_str()); }
  std::string saved_;
};
}  // namespace

TEST_F(GermanLocale, bytesAndRatesAtTheirBoundaries) {
  EXPECT_EQ(fmtBytes(0), "0 MB");
  EXPECT_EQ(fmtBytes(1073741823), "1024 MB");
  EXPECT_EQ(fmtBytes(1073741824), "1.0 GB");
  EXPECT_EQ(fmtBytes(1610612736), "1.5 GB");
  EXPECT_EQ(fmtBytes(std::numeric_limits<std::uint64_t>::max()), "17179869184.0 GB");
  EXPECT_EQ(fmtRate(0), "0 KB/s");
  EXPECT_EQ(fmtRate(1048575), "1024 KB/s");
  EXPECT_EQ(fmtRate(1048576), "1.0 MB/s");
  EXPECT_EQ(fmtRate(5242880), "5.0 MB/s");
  EXPECT_EQ(splitRate(2048), (std::pair<std::string, std::string>{"2", "KB/s"}));
  EXPECT_EQ(splitRate(3145728), (std::pair<std::string, std::string>{"3.0", "MB/s"}));
}

TEST(Format, percentRoundsHalvesAwayFromZero) {
  EXPECT_EQ(fmtPercent(0.004), "0%");
  EXPECT_EQ(fmtPercent(0.005), "1%");
  EXPECT_EQ(fmtPercent(0.5), "50%");
  EXPECT_EQ(fmtPercent(1.234), "123%");
  EXPECT_EQ(fmtPercent(-0.006), "-1%");
}

TEST(Format, nonFiniteShowsDash) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(fmtPercent(nan), "—");
  EXPECT_EQ(fmtPercent(inf), "—");
  EXPECT_EQ(fmtPercent(1e300), "—");
  EXPECT_EQ(fmtRate(nan), "—");
  EXPECT_EQ(fmtRate(-inf), "—");
  EXPECT_EQ(splitRate(inf).first, "—");
}

TEST(Format, durations) {
  struct Case {
    long long minutes;
    const char* text;
  } cases[] = {{-5, "0 min"}, {0, "0 min"}, {59, "59 min"}, {60, "1 h"},
               {61, "1 h 1 min"}, {150, "2 h 30 min"}, {1440, "24 h"}};
  for (const auto& c : cases) EXPECT_EQ(fmtDuration(c.minutes), c.text) << c.minutes;
}

TEST(Format, clockTimes) {
  EXPECT_EQ(clockFormatter().string(*dayStart("2026-03-10") + std::chrono::minutes(425)), "07:05");
  EXPECT_EQ(clockFormatter().string(*dayStart("2026-03-10") + std::chrono::minutes(1180)), "19:40");
}
