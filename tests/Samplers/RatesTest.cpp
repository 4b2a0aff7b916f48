// Counters into rates and loads: first readings, counters going backwards, failed reads,
// devices that come and go, and the interval floor.
#include <gtest/gtest.h>

#include "Qel/Samplers/CpuLoad.hpp"
#include "Qel/Samplers/RateMeter.hpp"

using namespace qel;
using namespace std::chrono_literals;

namespace {
MonoTime at(double seconds) { return MonoTime{} + std::chrono::duration_cast<MonoTime::duration>(Seconds(seconds)); }
}  // namespace

TEST(RateMeter, ratesFromPerDeviceDifferences) {
  struct Step {
    double time;
    std::optional<CounterReading> reading;
    CounterRates expected;
  };
  struct Case {
    const char* name;
    std::vector<Step> steps;
  };
  const Case cases[] = {
      {"first reading only records",
       {{0, CounterReading{{"eth0", {1000, 500}}}, {0, 0}}, {1, CounterReading{{"eth0", {3000, 600}}}, {2000, 100}}}},
      {"intervals under 0.2 s divide by 0.2 s",
       {{0, CounterReading{{"eth0", {0, 0}}}, {}}, {0.05, CounterReading{{"eth0", {100, 20}}}, {500, 100}}}},
      {"a counter that went backwards gives 0 in its direction only",
       {{0, CounterReading{{"eth0", {5000, 100}}}, {}}, {1, CounterReading{{"eth0", {10, 300}}}, {0, 200}}}},
      {"a failed reading gives 0 and the next good one averages over the whole gap",
       {{0, CounterReading{{"eth0", {1000, 0}}}, {}},
        {1, std::nullopt, {0, 0}},
        {2, CounterReading{{"eth0", {5000, 0}}}, {2000, 0}}}},
      {"a device that vanishes and returns with reset counters gives no spike",
       {{0, CounterReading{{"eth0", {1000, 0}}, {"wlan0", {900000, 0}}}, {}},
        {1, CounterReading{{"eth0", {2000, 0}}}, {1000, 0}},
        {2, CounterReading{{"eth0", {3000, 0}}, {"wlan0", {50, 0}}}, {1000, 0}},
        {3, CounterReading{{"eth0", {4000, 0}}, {"wlan0", {150, 0}}}, {1100, 0}}}},
      {"a device that appears only records, whatever its counters",
       {{0, CounterReading{}, {}}, {1, CounterReading{{"usb0", {UINT64_MAX, UINT64_MAX}}}, {0, 0}}}},
      {"64-bit counters near their top",
       {{0, CounterReading{{"sda", {UINT64_MAX - 10, 0}}}, {}}, {1, CounterReading{{"sda", {UINT64_MAX, 0}}}, {10, 0}}}},
  };
  for (const auto& c : cases) {
    RateMeter meter;
    for (std::size_t i = 0; i < c.steps.size(); ++i) {
      const auto& s = c.steps[i];
      EXPECT_EQ(meter.update(s.reading, at(s.time)), s.expected) << c.name << ", step " << i;
    }
  }
}

TEST(CpuLoad, fractionsOfTheTickDifferences) {
  const std::vector<CpuTicks> before{{.cpu = 0, .user = 100, .nice = 10, .system = 50, .idle = 1000},
                                     {.cpu = 1, .user = 5, .nice = 0, .system = 5, .idle = 90}};
  // cpu0: user 30 + nice 10 + system 20 busy of 100; cpu1 unchanged.
  const std::vector<CpuTicks> after{{.cpu = 0, .user = 130, .nice = 20, .system = 70, .idle = 1040},
                                    {.cpu = 1, .user = 5, .nice = 0, .system = 5, .idle = 90}};
  const auto s = cpuLoad(before, after);
  ASSERT_TRUE(s);
  EXPECT_DOUBLE_EQ(s->total, 0.6);
  EXPECT_DOUBLE_EQ(s->user, 0.4);  // nice counts as user
  EXPECT_DOUBLE_EQ(s->system, 0.2);
  EXPECT_EQ(s->perCore, (std::vector<double>{0.6, 0.0}));  // no division by zero
}

TEST(CpuLoad, stolenTimeIsBusyButNeitherTheUsersNorTheSystems) {
  // A virtual machine whose host ran another guest for 41.5 % of a second, as top shows it:
  // us 38.0, sy 15.0, hi 0.6, si 3.0, st 41.5, id 0.4, wa 1.5.
  const auto before = parseProcStat("cpu0 1000 0 500 9000 100 10 40 2000 0 0\n");
  const auto after = parseProcStat("cpu0 1380 0 650 9004 115 16 70 2415 0 0\n");
  const auto s = cpuLoad(before, after);
  ASSERT_TRUE(s);
  EXPECT_NEAR(s->user, 0.380, 1e-9);
  EXPECT_NEAR(s->system, 0.186, 1e-9);  // system with irq and softirq
  EXPECT_NEAR(s->total, 0.981, 1e-9);   // all but idle and iowait
  ASSERT_EQ(s->perCore.size(), 1u);
  EXPECT_NEAR(s->perCore[0], 0.981, 1e-9);
  // A counter that stepped back adds nothing, steal as any other.
  const auto back = cpuLoad(after, parseProcStat("cpu0 1480 0 650 9104 115 16 70 2000 0 0\n"));
  ASSERT_TRUE(back);
  EXPECT_DOUBLE_EQ(back->total, 0.5);
}

TEST(CpuLoad, backwardCountersAndChangedProcessors) {
  const std::vector<CpuTicks> before{{.cpu = 0, .user = 100, .nice = 0, .system = 100, .idle = 1000}};
  // The system counter stepped back: that state adds nothing, nothing wraps to a huge value.
  const auto s = cpuLoad(before, {{.cpu = 0, .user = 150, .nice = 0, .system = 90, .idle = 1050}});
  ASSERT_TRUE(s);
  EXPECT_DOUBLE_EQ(s->total, 0.5);
  EXPECT_DOUBLE_EQ(s->system, 0.0);
  EXPECT_EQ(cpuLoad({}, before), std::nullopt);  // first reading
  EXPECT_EQ(cpuLoad(before, {{.cpu = 1, .user = 1, .nice = 0, .system = 0, .idle = 0}}), std::nullopt);
  EXPECT_EQ(cpuLoad(before, {before[0], before[0]}), std::nullopt);
}
