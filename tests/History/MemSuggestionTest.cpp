#include <gtest/gtest.h>

#include "Qel/History/MemSuggestion.hpp"

using namespace qel;
using namespace std::chrono_literals;

namespace {

constexpr std::uint64_t MiB = 1ull << 20;
const Date launch = Date{} + 24h * 20000;

std::string key(const std::string& app) { return "/usr/share/applications/" + app + ".desktop"; }

ProcInfo proc(std::int32_t pid, const std::string& app, std::uint64_t mem) {
  return {.pid = pid, .name = app, .path = "/usr/bin/" + app, .mem = mem, .appKey = key(app)};
}

struct Advice {
  std::vector<ProcInfo> procs;
  std::vector<Finding> findings;
  std::optional<std::string> front;
  std::map<std::string, Date> lastFront;
  Date now = launch + 3h;
  std::vector<std::string> names() const {
    std::vector<std::string> out;
    for (const auto& s : memorySuggestions({.procs = procs, .findings = findings, .frontKey = front,
                                            .lastFront = lastFront, .launch = launch, .now = now, .ownPID = 1,
                                            .appName = [](const std::string& k) { return k.substr(24, k.size() - 32); }}))
      out.push_back(s.name);
    return out;
  }
};

}  // namespace

TEST(MemoryAdvice, turnsOnAtSixtyAndOffBelowFifty) {
  bool on = false;
  const std::vector<std::pair<double, bool>> steps{{55, false}, {60, true}, {55, true}, {50, true}, {49.9, false}, {55, false}};
  for (const auto& [pressure, expected] : steps) {
    on = adviceWanted(pressure, on);
    EXPECT_EQ(on, expected) << pressure;
  }
}

TEST(MemoryAdvice, suggestsIdleAppsWorthQuittingButNeverTheFrontOne) {
  Advice a;
  a.procs = {proc(10, "front", 4000 * MiB), proc(11, "edge", 300 * MiB), proc(12, "under", 300 * MiB - 1),
             proc(13, "helped", 200 * MiB), proc(14, "helped", 150 * MiB), proc(15, "plain", 900 * MiB),
             proc(1, "self", 900 * MiB)};
  a.procs.push_back({.pid = 16, .name = "sys", .mem = 900 * MiB, .isSystem = true, .appKey = key("sys")});
  a.procs.push_back({.pid = 17, .name = "tool", .path = "/usr/bin/tool", .mem = 900 * MiB, .appKey = "/usr/bin/tool"});
  a.front = key("front");
  EXPECT_EQ(a.names(), (std::vector<std::string>{"plain", "helped", "edge"}));
  a.front.reset();
  EXPECT_EQ(a.names(), (std::vector<std::string>{"front", "plain", "helped"}));
}

TEST(MemoryAdvice, idleAppsAndGrowingOnesRankFirst) {
  Advice a;
  a.now = launch + 5h;
  a.procs = {proc(10, "busy", 1000 * MiB), proc(11, "idle", 800 * MiB), proc(12, "leaky", 500 * MiB)};
  a.lastFront = {{key("busy"), a.now - 10min}, {key("idle"), a.now - 2h}, {key("leaky"), a.now - 1h}};
  EXPECT_EQ(a.names(), (std::vector<std::string>{"idle", "busy", "leaky"}));  // 2.4 GB, 1.17 GB, 1.0 GB
  a.findings = {{.id = "leak-12", .pid = 12, .facts = {.isMemory = true}}};
  EXPECT_EQ(a.names(), (std::vector<std::string>{"idle", "leaky", "busy"}));  // the leak weighs 1.5 GB
}

TEST(MemoryAdvice, idleTexts) {
  const std::vector<std::tuple<std::optional<Date>, Date, std::string>> cases{
      {std::nullopt, launch + 30s, "not used since Qel started"},
      {std::nullopt, launch + 59min, "unused for at least 59 min"},
      {std::nullopt, launch + 90min, "unused for at least 1 h"},
      {launch, launch + 59s, "used just now"},
      {launch, launch + 60s, "unused for 1 min"},
      {launch, launch + 7200s, "unused for 2 h"},
  };
  for (const auto& [last, now, text] : cases) EXPECT_EQ(idleText(last, launch, now), text);
}
