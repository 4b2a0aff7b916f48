#include <gtest/gtest.h>

#include "tests/History/HistoryFixture.hpp"

using namespace qel;
namespace fs = std::filesystem;

namespace {

// A day file with buckets at `slots` and nulls elsewhere, `length` entries long.
std::string dayJson(const std::string& key, std::vector<int> slots, int length = 144) {
  std::string out = R"({"key": ")" + key + R"(", "buckets": [)";
  for (int i = 0; i < length; ++i)
    out += std::string(i ? ", " : "") +
           (std::count(slots.begin(), slots.end(), i)
                ? R"({"cpu": 0.5, "mem": 0.5, "pressure": 20, "peak": 0.9, "top": "make", "topCPU": 180, "count": 60})"
                : "null");
  return out + "]}";
}

std::string baselineJson(int length) {
  std::string out = "[";
  for (int i = 0; i < length; ++i) out += std::string(i ? ", " : "") + R"({"cpu": 0.25, "days": 3})";
  return out + "]";
}

}  // namespace

TEST(HistoryLegacyImport, importsTheOlderFilesOnceAndOnlyWhatIsValid) {
  struct Case {
    const char* name;
    std::string day, baseline;
    const char* wantSlots;  // slots imported
    bool dayImported, baselineImported;
  };
  const Case cases[] = {
      {"good", dayJson("2024-03-09", {5, 6, 100}), baselineJson(144), "5 6 100", true, true},
      {"short baseline", dayJson("2024-03-09", {5}), baselineJson(143), "5", true, false},
      {"slots past the day", dayJson("2024-03-09", {143, 144, 200}, 201), "", "143", true, false},
      {"not a day key", dayJson("2024-13-01", {5}), baselineJson(145), "", false, false},
      {"key with a quote", dayJson("x' OR '1'='1", {5}), "", "", false, false},
      {"bucket missing a key", R"({"key": "2024-03-09", "buckets": [{"cpu": 1}]})", "[{\"cpu\": 1}]", "", false, false},
      {"not JSON", "{", "nonsense", "", false, false},
      {"no files", "", "", "", false, false},
  };
  for (const auto& c : cases) {
    test::HistoryFixture f;
    if (!c.day.empty()) f.dir.write("Qel/day.json", c.day);
    if (!c.baseline.empty()) f.dir.write("Qel/baseline.json", c.baseline);
    f.open().reset();
    std::string slots;
    for (const auto& s : f.column("SELECT slot FROM buckets WHERE day = '2024-03-09' ORDER BY slot"))
      slots += (slots.empty() ? "" : " ") + s;
    EXPECT_EQ(slots, c.wantSlots) << c.name;
    EXPECT_EQ(f.value("SELECT COUNT(*) FROM buckets WHERE day != '2024-03-09'"), "0") << c.name;
    EXPECT_EQ(f.value("SELECT COUNT(*) FROM baseline"), c.baselineImported ? "144" : "0") << c.name;
    EXPECT_EQ(f.value("SELECT value FROM meta WHERE key = 'legacy_imported'"), "1") << c.name;
    EXPECT_EQ(fs::exists(f.folder / "day.json.imported"), c.dayImported) << c.name;
    EXPECT_EQ(fs::exists(f.folder / "day.json"), !c.day.empty() && !c.dayImported) << c.name;
    EXPECT_EQ(fs::exists(f.folder / "baseline.json.imported"), c.baselineImported) << c.name;
    EXPECT_TRUE(f.takeProblems().empty()) << c.name;

    // The marker, even with an empty value, stops every later import.
    f.exec("UPDATE meta SET value = '' WHERE key = 'legacy_imported'");
    f.dir.write("Qel/baseline.json", baselineJson(144));
    f.open().reset();
    EXPECT_EQ(f.value("SELECT COUNT(*) FROM baseline"), c.baselineImported ? "144" : "0") << c.name;
  }
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
    EXPECT_TRUE(f.open()->isOpen());
  }
  const auto problems = f.takeProblems();
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0].operation, "import older files");
  EXPECT_EQ(f.value("SELECT COUNT(*) FROM buckets"), "0");
  EXPECT_EQ(f.value("SELECT COUNT(*) FROM meta WHERE key = 'legacy_imported'"), "0");
  EXPECT_TRUE(fs::exists(f.folder / "day.json") && fs::exists(f.folder / "baseline.json"));

  f.open().reset();
  EXPECT_EQ(f.value("SELECT COUNT(*) FROM buckets"), "2");
  EXPECT_EQ(f.value("SELECT COUNT(*) FROM baseline"), "144");
  EXPECT_TRUE(fs::exists(f.folder / "day.json.imported"));
}
