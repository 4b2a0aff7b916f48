#include <gtest/gtest.h>

#include "Qel/History/InsightEngine.hpp"

using namespace qel;
using namespace std::chrono_literals;

namespace {

const Date t0 = Date{} + 24h * 20000;

struct Second {
  double cpu;
  std::vector<ProcInfo> procs;
  double pressure = 20;
  double disk = 0;
};

Incident replay(const std::vector<Second>& seconds) {
  InsightEngine engine(1);
  for (const auto& s : seconds) engine.ingest(t0, s.cpu, s.pressure, s.disk, s.procs, std::nullopt);
  return engine.analyze(t0 + 60s);
}

std::vector<Second> quiet(int n) { return std::vector<Second>(std::size_t(n), Second{0.1, {}}); }

}  // namespace

TEST(InsightReplay, needsFiveFrames) {
  const auto four = replay(quiet(4));
  EXPECT_EQ(four.headline, "Not enough history yet");
  EXPECT_EQ(four.lines, std::vector<std::string>{"Qel just started. In a few seconds it can replay what happened."});
  EXPECT_EQ(four.frames.size(), 4u);
  const auto five = replay(quiet(5));
  EXPECT_EQ(five.headline, "Nothing unusual in the last 5 s");
  EXPECT_EQ(five.lines,
            (std::vector<std::string>{"CPU peaked at 10% (4 s ago) and averaged 10% over these 5 s.",
                                      "If things felt slow just now, an app may have been waiting on the network or "
                                      "on another program. That doesn't show up as CPU usage."}));
  EXPECT_NE(five.id, replay(quiet(5)).id);
}

TEST(InsightReplay, equalPeaksGiveTheEarliestFrame) {
  auto s = quiet(10);
  s[3] = {0.8, {{.pid = 4, .name = "make", .cpu = 300}}};
  s[9] = {0.8, {{.pid = 5, .name = "cc", .cpu = 200}}};
  const auto incident = replay(s);
  EXPECT_EQ(incident.headline, "make pushed the CPU to 80% 6 s ago");
  EXPECT_EQ(incident.lines[0], "CPU peaked at 80% (6 s ago) and averaged 24% over these 10 s.");
  s[9].procs[0].cpu = 400;
  s[3].cpu = 0.5;
  EXPECT_EQ(replay(s).headline, "cc pushed the CPU to 80% just now");
}

TEST(InsightReplay, culpritsFromFivePercentOfACoreUp) {
  auto s = quiet(60);
  for (int i = 0; i < 60; ++i) s[std::size_t(i)].procs = {{.pid = 1, .name = "low", .cpu = 4.9}, {.pid = 2, .name = "edge", .cpu = 5.0}};
  for (int i = 20; i < 30; ++i) s[std::size_t(i)].procs.push_back({.pid = 3, .name = "burst", .cpu = 90});
  const auto incident = replay(s);
  ASSERT_EQ(incident.culprits.size(), 2u);
  EXPECT_EQ(incident.culprits[0], (Culprit{.pid = 3, .name = "burst", .average = 15, .peak = 90, .peakSecondsAgo = 39}));
  EXPECT_EQ(incident.culprits[1].name, "edge");
  EXPECT_EQ(incident.headline, "burst briefly maxed out one core");
  EXPECT_EQ(incident.lines[1], "burst peaked at 90% (100% is one full core) and averaged 15%.");
}

TEST(InsightReplay, headlineAndLinesFollowTheFirstRuleThatHolds) {
  struct Case {
    const char* what;
    double cpu, pressure, disk;
    bool topInPeak;
    const char* headline;
    std::size_t lines;  // the CPU line, the culprit line, then the pressure, disk and closing lines that apply
  };
  const std::vector<Case> cases{
      {"busy", 0.7, 60, 104857600, true, "big pushed the CPU to 70% just now", 4},
      {"busy without processes", 0.7, 60, 104857600, false, "Memory is tight and the system is compressing it", 3},
      {"disk", 0.2, 59.9, 104857600, true, "The disk is reading and writing heavily", 3},
      {"quiet", 0.2, 59.9, 104857599, false, "Nothing unusual in the last 5 s", 2},
  };
  for (const auto& c : cases) {
    auto s = quiet(5);
    s[4] = {c.cpu, {}, c.pressure, c.disk};
    if (c.topInPeak) s[4].procs = {{.pid = 9, .name = "big", .cpu = 50}};
    const auto incident = replay(s);
    EXPECT_EQ(incident.headline, c.headline) << c.what;
    EXPECT_EQ(incident.lines.size(), c.lines) << c.what;
  }
  auto s = quiet(5);
  s[2] = {0.3, {}, 60, 104857600};
  const auto both = replay(s);
  ASSERT_EQ(both.lines.size(), 3u);
  EXPECT_EQ(both.lines[1], "Memory pressure peaked at 60%. When memory runs short, switching apps gets noticeably slower.");
  EXPECT_EQ(both.lines[2], "Disk activity peaked at 100.0 MB/s.");
}

TEST(InsightReplay, theHeadlinesProcessIsAlwaysInTheList) {
  // A compiler driver is busiest when the CPU peaks; five others peak higher elsewhere.
  auto s = quiet(20);
  for (int i = 0; i < 5; ++i) s[std::size_t(i)] = {0.6, {{.pid = 10 + i, .name = "cc1plus", .cpu = 100}}};
  s[12] = {0.9, {{.pid = 9, .name = "clang", .cpu = 60}, {.pid = 10, .name = "cc1plus", .cpu = 40}}};
  const auto incident = replay(s);
  EXPECT_EQ(incident.headline, "clang pushed the CPU to 90% 7 s ago");
  ASSERT_EQ(incident.culprits.size(), 4u);
  EXPECT_EQ(incident.culprits.back().name, "clang");
  EXPECT_EQ(incident.culprits.front().peak, 100);  // still highest peak first
}
