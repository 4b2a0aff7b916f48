#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cmath>
#include <ctime>
#include <future>

#include "Qel/Platform/Calendar.hpp"
#include "tests/History/HistoryFixture.hpp"

using namespace qel;
using namespace std::chrono_literals;
using Kind = HistoryProblem::Kind;

namespace {

Date utc(int y, int mo, int d, int h, int mi, int s = 0) {
  std::tm tm{};
  tm.tm_year = y - 1900;
  tm.tm_mon = mo - 1;
  tm.tm_mday = d;
  tm.tm_hour = h;
  tm.tm_min = mi;
  tm.tm_sec = s;
  return std::chrono::system_clock::from_time_t(timegm(&tm));
}

DayBucket bucket(double cpu, std::string top = "make", int count = 60) {
  return {cpu, 0.5, 20, cpu + 0.1, std::move(top), 150, count};
}

HistoryDB::AppRow app(std::string key, double cpu, int samples, std::string version, std::string name = "Foo") {
  return {std::move(key), AppUsage{std::move(name), cpu, 1e9, 2, samples}, std::move(version)};
}

// A time as the database gives it back: seconds since 1970 in a double keep about 0.2 µs.
Date stored(Date d) { return fromSeconds(toSeconds(d)); }

SleepSession sleepAt(Date start, std::optional<int> charge = std::nullopt) {
  return {start, start + 2h, charge, charge, true, {}, {}};
}

}  // namespace

TEST(HistoryDB, freshFolderGetsTheSchemaAndReopeningChangesNothing) {
  test::HistoryFixture f;
  f.open().reset();
  struct stat st {};
  ASSERT_EQ(stat(f.folder.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);
  EXPECT_EQ(f.value("PRAGMA journal_mode"), "wal");

  const std::vector<std::pair<std::string, std::string>> columns = {
      {"buckets", "day slot cpu mem pressure peak top top_cpu samples"},
      {"events", "id day slot is_memory title detail created"},
      {"baseline", "slot cpu days"},
      {"app_hours", "day hour app name cpu mem energy samples version"},
      {"marks", "id day slot at kind arg"},
      {"stretches", "began ended name peak average wh ratio top series"},
      {"sleeps", "began ended charge0 charge1 battery wakes"},
      {"meta", "key value"},
  };
  for (const auto& [table, names] : columns) {
    std::string got;
    for (const auto& c : f.column("SELECT name FROM pragma_table_info('" + table + "')")) got += (got.empty() ? "" : " ") + c;
    EXPECT_EQ(got, names) << table;
  }
  const auto indexes = f.column("SELECT name FROM sqlite_master WHERE type = 'index' AND sql IS NOT NULL ORDER BY name");
  EXPECT_EQ(indexes, (std::vector<std::string>{"app_hours_app", "events_day", "marks_day"}));
  const auto meta = f.column("SELECT key || '=' || value FROM meta ORDER BY key");
  EXPECT_EQ(meta, (std::vector<std::string>{"legacy_imported=1", "schema=1"}));

  const auto before = f.column("SELECT sql FROM sqlite_master ORDER BY name");
  f.exec("UPDATE meta SET value = '7' WHERE key = 'schema'");
  auto db = f.open();
  EXPECT_TRUE(db->isOpen());
  db.reset();
  EXPECT_EQ(f.column("SELECT sql FROM sqlite_master ORDER BY name"), before);
  EXPECT_EQ(f.value("SELECT value FROM meta WHERE key = 'schema'"), "7");
  EXPECT_TRUE(f.takeProblems().empty());
}

TEST(HistoryDB, readsSeeEveryWriteQueuedBeforeThem) {
  test::HistoryFixture f;
  auto db = f.open();
  for (int i = 0; i < 144; ++i) {
    db->save("2024-05-01", i, bucket(i / 144.0));
    const auto day = db->loadDay("2024-05-01");
    ASSERT_TRUE(day[std::size_t(i)]) << i;
    EXPECT_EQ(day[std::size_t(i)]->cpu, i / 144.0);
  }
  // The later of two writes to one slot wins.
  db->save("2024-05-01", 7, bucket(0.9, "cc1"));
  EXPECT_EQ(db->loadDay("2024-05-01")[7], bucket(0.9, "cc1"));

  for (int slot : {50, 10, 30}) db->add(DayEvent{slot, slot == 10, "Busy", "cc1"}, "2024-05-01");
  db->add(DayEvent{1, false, "Other day", ""}, "2024-05-02");
  const auto events = db->loadEvents("2024-05-01");
  ASSERT_EQ(events.size(), 3u);
  EXPECT_EQ(events[0], (DayEvent{10, true, "Busy", "cc1"}));
  EXPECT_EQ(events[2].slot, 50);

  const Date t = utc(2024, 5, 1, 9, 0);
  db->add(DayMark{54, t + 5s, "wake", ""}, "2024-05-01");
  db->add(DayMark{54, t, "launch", "Editor"}, "2024-05-01");
  EXPECT_EQ(db->loadMarks("2024-05-01"),
            (std::vector<DayMark>{{54, t, "launch", "Editor"}, {54, t + 5s, "wake", ""}}));

  EXPECT_EQ(db->recordedDays(), (std::vector<std::string>{"2024-05-01"}));
  db->save("2024-04-30", 0, bucket(0.1));
  db->save("2024-05-03", 0, bucket(0.1));
  EXPECT_EQ(db->recordedDays(), (std::vector<std::string>{"2024-05-03", "2024-05-01", "2024-04-30"}));
  EXPECT_EQ(db->daysNotFolded("2024-05-03"), (std::vector<std::string>{"2024-04-30", "2024-05-01"}));

  std::vector<BaselineSlot> baseline(144, BaselineSlot{0.2, 3});
  baseline[143] = {0.9, 14};
  db->save(baseline, "2024-04-30");
  EXPECT_EQ(db->loadBaseline(), baseline);
  EXPECT_EQ(db->daysNotFolded("2024-05-03"), (std::vector<std::string>{"2024-05-01"}));
  EXPECT_TRUE(f.takeProblems().empty());
}

TEST(HistoryDB, unknownSlotsAreIgnoredOnReading) {
  test::HistoryFixture f;
  f.open().reset();
  f.exec("INSERT INTO buckets VALUES ('2024-05-01', 200, 1, 1, 1, 1, 'x', 1, 1), ('2024-05-01', -1, 1, 1, 1, 1, 'x', 1, 1)");
  f.exec("INSERT INTO baseline VALUES (144, 1, 1), (-3, 1, 1)");
  auto db = f.open();
  const auto day = db->loadDay("2024-05-01");
  ASSERT_EQ(day.size(), 144u);
  for (const auto& b : day) EXPECT_FALSE(b);
  EXPECT_EQ(db->loadBaseline(), std::vector<BaselineSlot>(144));
}

TEST(HistoryDB, destroyingRightAfterWritesKeepsEveryRow) {
  test::HistoryFixture f;
  {
    auto db = f.open();
    for (int i = 0; i < 144; ++i) db->save("2024-05-01", i, bucket(0.5));
    db->add({app("/usr/share/applications/foo.desktop", 0.5, 60, "1.0")}, "2024-05-01", 10);
    db->add(DayEvent{3, false, "Busy", ""}, "2024-05-01");
  }
  EXPECT_EQ(f.value("SELECT COUNT(*) FROM buckets"), "144");
  EXPECT_EQ(f.value("SELECT COUNT(*) FROM app_hours"), "1");
  EXPECT_EQ(f.value("SELECT COUNT(*) FROM events"), "1");
  EXPECT_TRUE(f.takeProblems().empty());
}

TEST(HistoryDB, appHoursAddUpAndKeepAKnownVersion) {
  test::HistoryFixture f;
  auto db = f.open();
  const std::string foo = "/usr/share/applications/foo.desktop";
  struct Step {
    double cpu;
    int samples;
    std::string version, name;
    double wantCpu;
    int wantSamples;
    std::string wantVersion;
  };
  const Step steps[] = {
      {0.5, 60, "1.2", "Foo", 0.5, 60, "1.2"},
      {0.25, 30, "", "Foo Renamed", 0.75, 90, "1.2"},  // empty never replaces a known version
      {0.25, 10, "1.3", "Foo", 1.0, 100, "1.3"},
  };
  for (const auto& s : steps) {
    db->add({app(foo, s.cpu, s.samples, s.version, s.name)}, "2024-05-01", 9);
    const auto rows = db->loadApp(foo, "2024-05-01");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_DOUBLE_EQ(rows[0].cpu, s.wantCpu);
    EXPECT_EQ(rows[0].samples, s.wantSamples);
    EXPECT_EQ(rows[0].version, s.wantVersion);
    EXPECT_EQ(f.value("SELECT name FROM app_hours"), s.name);
  }
  db->add(std::vector<HistoryDB::AppRow>{}, "2024-05-01", 10);
  db->add({app(foo, 0.1, 1, ""), app("/b.desktop", 3, 1, "", "Bar"), app("/c.desktop", 0.2, 1, "", "Baz")},
          "2024-05-01", 10);
  db->add({app(foo, 0.1, 1, "")}, "2024-04-01", 10);
  EXPECT_EQ(db->loadApp(foo, "2024-04-15").size(), 2u);
  EXPECT_EQ(db->loadApp(foo, "2024-01-01").front().day, "2024-04-01");
  EXPECT_EQ(db->topApps("2024-05-01", 2), (std::vector<std::string>{"Bar", "Foo"}));
  EXPECT_DOUBLE_EQ(db->totalAppEnergy("2024-05-01"), 2 * 6);
  EXPECT_EQ(db->totalAppEnergy("2025-01-01"), 0.0);
}

TEST(HistoryDB, aSleepReplacesOnlyOneThatBeganLessThanTwoMinutesAway) {
  const Date t = utc(2024, 5, 1, 22, 0);
  for (auto [offset, rows] : {std::pair{90s, 1}, {-90s, 1}, {119s, 1}, {120s, 2}, {150s, 2}}) {
    test::HistoryFixture f;
    auto db = f.open();
    db->save(std::vector{sleepAt(t, 80)});
    db->save(std::vector{sleepAt(t + offset)});
    const auto got = db->loadSleeps(t - 24h);
    ASSERT_EQ(int(got.size()), rows) << offset.count();
    EXPECT_EQ(got.back().start, t + offset);
    EXPECT_FALSE(got.back().chargeStart);
    EXPECT_FALSE(got.back().chargeEnd);
  }
}

TEST(HistoryDB, sleepsAndStretchesComeBackAsSaved) {
  test::HistoryFixture f;
  auto db = f.open();
  const Date t = stored(utc(2024, 5, 1, 22, 0, 0) + 250ms);
  SleepSession s = sleepAt(t, 80);
  s.chargeEnd = 71;
  s.wakes = {{stored(t + 1h), 42, 78, "RTC"}, {stored(t + 90min), 3, std::nullopt, ""}};
  s.holders = {"never stored"};
  db->save(std::vector{s, sleepAt(t - 48h)});
  s.holders.clear();
  EXPECT_EQ(db->loadSleeps(t - 1h), std::vector{s});

  Stretch a{t, stored(t + 10min), "Build", 0.9, 0.5, 1.25, std::nullopt, {{"cc1", 0.75}, {"ld", 0.25}}, {0.1, 0.9}};
  Stretch b = a;
  b.start += 1h, b.end += 1h, b.ratio = 0.0;
  Stretch c = a;
  c.start += 2h, c.end += 2h, c.ratio = std::nan("");
  c.series = {0.5, std::numeric_limits<double>::infinity()};
  c.top = {{"x", std::nan("")}};
  for (const auto& x : {a, b, c}) db->save(x);
  auto got = db->loadStretches(t);
  ASSERT_EQ(got.size(), 3u);
  EXPECT_EQ(got[0], a);
  EXPECT_EQ(got[1].ratio, std::optional(0.0));
  EXPECT_FALSE(got[2].ratio);
  EXPECT_EQ(got[2].series, (std::vector<double>{0.5, 0.0}));
  EXPECT_EQ(got[2].top, (std::vector<StretchApp>{{"x", 0.0}}));

  // A stretch loaded back is found again by its start, whatever its fraction of a second:
  // renaming replaces it, deleting removes it.
  for (auto& x : got) x.start += 123456789ns;
  for (const auto& x : got) db->save(x);
  got = db->loadStretches(t);
  ASSERT_EQ(got.size(), 6u);
  got[3].name = "Renamed";
  db->save(got[3]);
  db->deleteStretch(got[4].start);
  db->deleteStretch(got[1].start);
  got = db->loadStretches(t);
  ASSERT_EQ(got.size(), 4u);
  EXPECT_EQ(got[2].name, "Renamed");

  // A column that doesn't decode reads as an empty list without losing the row.
  f.exec("UPDATE sleeps SET wakes = '[{\"date\": 1}'");
  f.exec("UPDATE stretches SET top = 'nonsense', series = '{}'");
  EXPECT_TRUE(db->loadSleeps(t - 1h).front().wakes.empty());
  EXPECT_TRUE(db->loadStretches(t).front().top.empty());
  EXPECT_TRUE(db->loadStretches(t).front().series.empty());
  EXPECT_EQ(db->loadStretches(t).front().peak, 0.9);
  EXPECT_TRUE(f.takeProblems().empty());
}

TEST(HistoryDB, nonFiniteNumbersAreStoredAsZero) {
  test::HistoryFixture f;
  auto db = f.open();
  const double nan = std::nan(""), inf = std::numeric_limits<double>::infinity();
  db->save("2024-05-01", 0, DayBucket{nan, inf, -inf, nan, "x", nan, 1});
  db->add({app("/a.desktop", nan, 1, "")}, "2024-05-01", 0);
  db->save(std::vector<BaselineSlot>(144, BaselineSlot{nan, 1}), "2024-04-30");
  EXPECT_EQ(db->loadDay("2024-05-01")[0], (DayBucket{0, 0, 0, 0, "x", 0, 1}));
  EXPECT_EQ(db->loadApp("/a.desktop", "").at(0).cpu, 0.0);
  EXPECT_EQ(db->loadBaseline()[0], (BaselineSlot{0, 1}));
  EXPECT_TRUE(f.takeProblems().empty());
}

TEST(HistoryDB, pruneDropsWholeDaysAndSleepsBeforeLocalMidnightAcrossDaylightSaving) {
  setenv("TZ", "Europe/Berlin", 1);
  tzset();
  struct Case {
    std::string before, lastDay;
    Date midnight;  // local midnight of `before`, in UTC
  };
  const Case cases[] = {
      {"2024-03-10", "2024-03-09", utc(2024, 3, 9, 23, 0)},
      {"2024-04-01", "2024-03-31", utc(2024, 3, 31, 22, 0)},   // the day that lost an hour
      {"2024-10-28", "2024-10-27", utc(2024, 10, 27, 23, 0)},  // the day that gained one
  };
  for (const auto& c : cases) {
    test::HistoryFixture f;
    auto db = f.open();
    for (const auto& day : {c.lastDay, c.before}) {
      db->save(day, 143, bucket(0.5));
      db->add(DayEvent{1, false, "e", ""}, day);
      db->add(DayMark{1, c.midnight, "wake", ""}, day);
      db->add({app("/a.desktop", 1, 1, "")}, day, 23);
    }
    db->save(std::vector{SleepSession{c.midnight - 4h, c.midnight - 1min, {}, {}, false, {}, {}},
                         SleepSession{c.midnight - 3h, c.midnight + 1min, {}, {}, false, {}, {}}});
    Stretch st{c.midnight - 2h, c.midnight - 1min, "a", 0, 0, 0, {}, {}, {}};
    db->save(st);
    st.start += 1min, st.end = c.midnight + 1min;
    db->save(st);
    db->save(std::vector<BaselineSlot>(144, BaselineSlot{0.2, 1}), c.lastDay);

    db->prune(c.before);
    EXPECT_EQ(db->recordedDays(), std::vector{c.before}) << c.before;
    for (const char* table : {"events", "marks", "app_hours"})
      EXPECT_EQ(f.column(std::string("SELECT DISTINCT day FROM ") + table), std::vector{c.before}) << table;
    const auto sleeps = db->loadSleeps(Date{});
    ASSERT_EQ(sleeps.size(), 1u) << c.before;
    EXPECT_EQ(sleeps[0].end, c.midnight + 1min);
    const auto stretches = db->loadStretches(Date{});
    ASSERT_EQ(stretches.size(), 1u) << c.before;
    EXPECT_EQ(stretches[0].end, c.midnight + 1min);
    EXPECT_EQ(db->loadBaseline()[0].days, 1);

    // Something that is not a day key would compare above every day: it prunes nothing.
    db->prune("zzz");
    EXPECT_EQ(db->recordedDays(), std::vector{c.before});
  }
}

TEST(HistoryDB, eraseEmptiesEveryTableAndLeavesNoTraceInTheFiles) {
  test::HistoryFixture f;
  auto db = f.open();
  const std::string secret = "secret-process-name-4711";
  for (int i = 0; i < 144; ++i) db->save("2024-05-01", i, bucket(0.5, secret));
  db->add(DayEvent{1, false, secret, ""}, "2024-05-01");
  db->add(DayMark{1, utc(2024, 5, 1, 0, 0), "launch", secret}, "2024-05-01");
  db->add({app("/a.desktop", 1, 1, "", secret)}, "2024-05-01", 1);
  db->save(Stretch{utc(2024, 5, 1, 0, 0), utc(2024, 5, 1, 1, 0), secret, 0, 0, 0, {}, {}, {}});
  db->save(std::vector{sleepAt(utc(2024, 5, 1, 2, 0))});
  db->save(std::vector<BaselineSlot>(144, BaselineSlot{0.2, 1}), "2024-04-30");
  f.dir.write("Qel/day.json.imported", secret);
  f.dir.write("Qel/baseline.json.imported", "[]");

  std::promise<bool> erased;
  db->eraseAll([&](bool ok) { erased.set_value(ok); });
  ASSERT_TRUE(erased.get_future().get());
  for (const char* table : {"buckets", "events", "baseline", "sleeps", "stretches", "marks", "app_hours"})
    EXPECT_EQ(f.value(std::string("SELECT COUNT(*) FROM ") + table), "0") << table;
  EXPECT_EQ(f.column("SELECT key FROM meta ORDER BY key"), (std::vector<std::string>{"legacy_imported", "schema"}));
  EXPECT_EQ(db->daysNotFolded("2024-05-02"), std::vector<std::string>{});
  EXPECT_FALSE(std::filesystem::exists(f.folder / "day.json.imported"));
  EXPECT_FALSE(std::filesystem::exists(f.folder / "baseline.json.imported"));
  for (const char* name : {"history.sqlite", "history.sqlite-wal"})
    EXPECT_EQ(test::readFile(f.folder / name).find(secret), std::string::npos) << name;
  EXPECT_EQ(db->fileSize(), std::filesystem::file_size(f.file));
  EXPECT_TRUE(f.takeProblems().empty());
}

TEST(HistoryDB, fileSizeCountsOnlyTheMainFile) {
  test::HistoryFixture f;
  auto db = f.open();
  const auto empty = db->fileSize();
  EXPECT_GT(empty, 0u);
  for (int i = 0; i < 144; ++i) db->save("2024-05-01", i, bucket(0.5, std::string(200, 'x')));
  db->loadDay("2024-05-01");
  EXPECT_GT(std::filesystem::file_size(f.folder / "history.sqlite-wal"), 0u);
  EXPECT_EQ(db->fileSize(), std::filesystem::file_size(f.file));
}
