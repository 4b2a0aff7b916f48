#include <gtest/gtest.h>

#include "Qel/History/InsightEngine.hpp"

using namespace qel;
using namespace std::chrono_literals;

namespace {

constexpr std::int32_t kOwn = 999;
constexpr std::uint64_t MiB = 1ull << 20;
const Date t0 = Date{} + 24h * 20000;

ProcInfo proc(std::int32_t pid, double cpu, std::uint64_t mem = 0) {
  return {.pid = pid, .name = "p" + std::to_string(pid), .cpu = cpu, .mem = mem};
}

struct Feed {
  InsightEngine engine{kOwn};
  std::vector<Finding> raised;
  // `ticks` calls with the same processes; returns the tick numbers that raised something.
  std::vector<int> feed(int ticks, const std::vector<ProcInfo>& procs, std::optional<std::int32_t> front = {}) {
    std::vector<int> at;
    for (int i = 0; i < ticks; ++i) {
      auto found = engine.ingest(t0 + std::chrono::seconds(engine.tick()), 0.5, 30, 0, procs, front);
      if (!found.empty()) at.push_back(engine.tick());
      raised.insert(raised.end(), found.begin(), found.end());
    }
    return at;
  }
};

}  // namespace

TEST(InsightEngine, busyBackgroundProcessIsRaisedAtTheHundredEightiethTickOnce) {
  Feed r;
  EXPECT_EQ(r.feed(179, {proc(7, 50.0)}), std::vector<int>{});
  EXPECT_EQ(r.feed(1, {proc(7, 50.0)}), std::vector<int>{180});
  EXPECT_EQ(r.feed(300, {proc(7, 90.0)}), std::vector<int>{});
  ASSERT_EQ(r.raised.size(), 1u);
  const Finding& f = r.raised[0];
  EXPECT_EQ(f.id, "run-7");
  EXPECT_EQ(f.facts, (FindingFacts{.isMemory = false, .name = "p7", .cpu = 50}));
  EXPECT_EQ(f.title(), "p7 has been busy in the background");
  EXPECT_EQ(f.detail(),
            "p7 isn't in the foreground but has used 50% of the CPU for 3 minutes straight. If you didn't ask it to "
            "work in the background, you can quit it.");
  EXPECT_EQ(f.date, t0 + 179s);
}

TEST(InsightEngine, anyBreakStartsTheBusyCountAgain) {
  struct Case {
    const char* what;
    std::vector<ProcInfo> breakTick;
    std::optional<std::int32_t> front;
  };
  const std::vector<Case> cases{
      {"missing for one tick", {proc(8, 80)}, std::nullopt},
      {"just under half a core", {proc(7, 49.9)}, std::nullopt},
      {"in front", {proc(7, 80)}, 7},
  };
  for (const auto& c : cases) {
    Feed r;
    r.feed(179, {proc(7, 80)});
    r.feed(1, c.breakTick, c.front);
    EXPECT_EQ(r.feed(179, {proc(7, 80)}), std::vector<int>{}) << c.what;
    EXPECT_EQ(r.feed(1, {proc(7, 80)}), std::vector<int>{360}) << c.what;
  }
}

TEST(InsightEngine, frontAppAndThisProgramAreNeverBusyInTheBackground) {
  Feed r;
  EXPECT_TRUE(r.feed(400, {proc(7, 100), proc(kOwn, 100)}, 7).empty());
  Feed noFront;
  EXPECT_EQ(noFront.feed(180, {proc(7, 100)}).size(), 1u);
}

TEST(InsightEngine, growingMemoryNeedsBoth512MiBAndOneAndAHalfTimes) {
  struct Case {
    std::uint64_t from, to;
    bool raised;
  };
  // Twenty samples (one per sixty ticks), rising evenly from `from` to `to`.
  const std::vector<Case> cases{
      {2048 * MiB, 2560 * MiB, false},  // 512 MiB but only 1.25 times
      {300 * MiB, 750 * MiB, false},    // 2.5 times but only 450 MiB
      {1024 * MiB, 1536 * MiB, true},   // 512 MiB and 1.5 times
      {1024 * MiB, 1024 * MiB, false},  // flat
  };
  for (const auto& c : cases) {
    Feed r;
    for (int i = 0; i < 20; ++i) r.feed(60, {proc(5, 1, c.from + (c.to - c.from) * std::uint64_t(i) / 19)});
    ASSERT_EQ(r.raised.size(), c.raised ? 1u : 0u) << c.from / MiB << " → " << c.to / MiB;
    if (!c.raised) continue;
    EXPECT_EQ(r.engine.tick(), 1200);
    EXPECT_TRUE(r.raised[0].facts.isMemory);
    EXPECT_EQ(r.raised[0].id, "leak-5");
    EXPECT_EQ(r.raised[0].detail(),
              "Over the past 20 minutes, the memory of p5 grew from 1.0 GB to 1.5 GB without dropping, which may be "
              "a memory leak. Reopening the app frees it.");
  }
}

TEST(InsightEngine, growingMemoryToleratesAFewDips) {
  // n samples with `dips` single drops: n - 1 steps, of which at least 0.9 must rise or stay.
  struct Case {
    int samples, dips;
    bool raised;
  };
  for (const auto& c : std::vector<Case>{{21, 2, true}, {21, 3, false}, {20, 1, true}, {20, 2, false}}) {
    Feed r;
    std::uint64_t mem = 1000 * MiB;
    for (int i = 0; i < c.samples; ++i) {
      const bool dip = i > 0 && i <= 2 * c.dips && i % 2 == 0;
      mem = dip ? mem - 10 * MiB : mem + 60 * MiB;
      r.feed(60, {proc(5, 1, mem)});
    }
    EXPECT_EQ(r.raised.size(), c.raised ? 1u : 0u) << c.samples << " samples, " << c.dips << " dips";
  }
}

TEST(InsightEngine, framesKeepTheNewestSixtyWithTheBusiestSix) {
  Feed r;
  r.feed(1, {});
  EXPECT_TRUE(r.engine.frames()[0].top.empty());
  std::vector<ProcInfo> procs;
  for (int i = 0; i < 8; ++i) procs.push_back(proc(i + 1, i == 2 || i == 5 ? 30 : double(i)));
  r.feed(60, procs);
  ASSERT_EQ(r.engine.frames().size(), 60u);
  EXPECT_EQ(r.engine.frames().front().date, t0 + 1s);
  std::vector<std::int32_t> top;
  for (const auto& p : r.engine.frames().back().top) top.push_back(p.pid);
  EXPECT_EQ(top, (std::vector<std::int32_t>{3, 6, 8, 7, 5, 4}));  // equal CPU keeps the listed order
}
