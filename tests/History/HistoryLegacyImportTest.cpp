#include <gtest/gtest.h>

#include "tests/History/HistoryFixture.hpp"

using namespace qel;
using Kind = HistoryProblem::Kind;
namespace fs = std::filesystem;

namespace {

std::string bucketJson(double cpu) {
  return R"({"cpu": )" + std::to_string(cpu) +
         R"(, "mem": 0.5, "pressure": 20, "peak": 0.9, "top": "make", "topCPU": 180, "count": 60})";
}

// A day file whose non-null entries sit at `slots`, out of `length` entries.
std::string dayJson(const std::string& key, std::vector<int> slots, int length = 144) {
  std::string out = R"({"key": ")" + key + R"(", "buckets": [)";
  for (int i = 0; i < length; ++i) {
    const bool filled = std::find(slots.begin(), slots.end(), i) != slots.end();
    out += (i ? ", " : "") + (filled ? bucketJson(i / 1000.0) : std::string("null"));
  }
  return out + "]}";
}

std::string baselineJson(int length) {
  std::string out = "[";
  for (int i = 0; i < length; ++i) out += (i ? ", " : "") + std::string(R"({"cpu": 0.25, "days": 3})");
  return out + "]";
}

}  // namespace

TEST(HistoryLegacyImport, importsTheOlderFilesOnceAndOnlyWhatIsValid) {
  struct Case {
    const char* name;
    std::string day, baseline;
    std::vector<std::string> wantSlots;  // "day/slot" rows imported
    bool dayImported, baselineImported;
  };
  const Case cases[] = {
      {"good", dayJson("2024-03-09", {5, 6, 100}), baselineJson(144), {"2024-03-09/5", "2024-03-09/6", "2024-03-09/100"}, true, true},
      {"short baseline", dayJson("2024-03-09", {5}), baselineJson(143), {"2024-03-09/5"}, true, false},
      {"slots past the day", dayJson("2024-03-09", {143, 144, 200}, 201), "", {"2024-03-09/143"}, true, false},
      {"not a day key", dayJson("2024-13-01", {5}), baselineJson(145), {}, false, false},
      {"key with a quote", dayJson("x' OR '1'='1", {5}), "", {}, false, false},
      {"bucket missing a key", R"({"key": "2024-03-09", "buckets": [{"cpu": 1}]})", "[{\"cpu\": 1}]", {}, false, false},
      {"not JSON", "{", "nonsense", {}, false, false},
      {"no files", "", "", {}, false, false},
  };
  for (const auto& c : cases) {
    test::HistoryFixture f;
    if (!c.day.empty()) f.dir.write("Qel/day.json", c.day);
    if (!c.baseline.empty()) f.dir.write("Qel/baseline.json", c.baseline);
    f.open().reset();
    EXPECT_EQ(f.column("SELECT day || '/' || slot FROM buckets ORDER BY slot"), c.wantSlots) << c.name;
    EXPECT_EQ(f.value("SELECT COUNT(*) FROM baseline"), c.baselineImported ? "144" : "0") << c.name;
    EXPECT_EQ(f.value("SELECT value FROM meta WHERE key = 'legacy_imported'"), "1") << c.name;
    EXPECT_EQ(fs::exists(f.folder / "day.json.imported"), c.dayImported) << c.name;
    EXPECT_EQ(fs::exists(f.folder / "day.json"), !c.day.empty() && !c.dayImported) << c.name;
    EXPECT_EQ(fs::exists(f.folder / "baseline.json.imported"), c.baselineImported) << c.name;
    EXPECT_TRUE(f.takeProblems().empty()) << c.name;
  }
}

TEST(HistoryLegacyImport, theMarkerStopsEveryLaterImport) {
  test::HistoryFixture f;
  f.dir.write("Qel/baseline.json", baselineJson(143));
  f.open().reset();
  // A corrected file after the first start is ignored, as is anything once the marker is
  // present, even with an empty value.
  f.dir.write("Qel/baseline.json", baselineJson(144));
  f.open().reset();
  f.exec("UPDATE meta SET value = '' WHERE key = 'legacy_imported'");
  f.dir.write("Qel/day.json", dayJson("2024-03-09", {1}));
  f.open().reset();
  EXPECT_EQ(f.value("SELECT COUNT(*) FROM baseline"), "0");
  EXPECT_EQ(f.value("SELECT COUNT(*) FROM buckets"), "0");
  EXPECT_TRUE(fs::exists(f.folder / "baseline.json"));
  EXPECT_TRUE(fs::exists(f.folder / "day.json"));
}

TEST(HistoryLegacyImport, aFailedCommitLeavesEverythingToBeTriedAgain) {
  test::HistoryFixture f;
  f.open().reset();
  f.exec("DELETE FROM meta WHERE key = 'legacy_imported'");
  f.dir.write("Qel/day.json", dayJson("2024-03-09", {5, 6}));
  f.dir.write("Qel/baseline.json", baselineJson(144));
  {
    test::FailingCommits hook;
    hook.failNext(1);
    auto db = f.open();
    EXPECT_TRUE(db->isOpen());
  }
  const auto problems = f.takeProblems();
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0].kind, Kind::writeFailed);
  EXPECT_EQ(problems[0].operation, "import older files");
  EXPECT_EQ(f.value("SELECT COUNT(*) FROM buckets"), "0");
  EXPECT_EQ(f.value("SELECT COUNT(*) FROM meta WHERE key = 'legacy_imported'"), "0");
  EXPECT_TRUE(fs::exists(f.folder / "day.json"));
  EXPECT_TRUE(fs::exists(f.folder / "baseline.json"));

  f.open().reset();
  EXPECT_EQ(f.value("SELECT COUNT(*) FROM buckets"), "2");
  EXPECT_EQ(f.value("SELECT COUNT(*) FROM baseline"), "144");
  EXPECT_TRUE(fs::exists(f.folder / "day.json.imported"));
  EXPECT_TRUE(f.takeProblems().empty());
}
