#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cmath>
#include <ctime>
#include <future>

#include "tests/support/ScopedTimeZone.hpp"
#include "tests/History/HistoryFixture.hpp"

using namespace qel;
using namespace std::chrono_literals;

namespace {

Date utc(int y, int mo, int d, int h, int mi) {
  std::tm tm{.tm_min = mi, .tm_hour = h, .tm_mday = d, .tm_mon = mo - 1, .tm_year = y - 1900};
  return std::chrono::system_clock::from_time_t(timegm(&tm));
}

// A time as the database gives it back: seconds since 1970 in a double keep about 0.2 µs.
Date stored(Date d) { return fromSeconds(toSeconds(d)); }

DayBucket bucket(double cpu, std::string top = "make") { return {cpu, 0.5, 20, cpu + 0.1, std::move(top), 150, 60}; }

HistoryDB::AppRow app(std::string key, double cpu, int samples, std::string version, std::string name = "Foo") {
  return {std::move(key), AppUsage{std::move(name), cpu, 1e9, 2, samples}, std::move(version)};
}

SleepSession sleepAt(Date start, std::optional<int> charge = std::nullopt) {
  return {start, start + 2h, charge, charge, true, {}, {}};
}

std::string joined(const std::vector<std::string>& rows) {
  std::string out;
  for (const auto& r : rows) out += (out.empty() ? "" : " ") + r;
  return out;
}

}  // namespace

TEST(HistoryDB, freshFolderGetsTheSchemaAndReopeningChangesNothing) {
  test::HistoryFixture f;
  f.open().reset();
  struct stat st {};
  ASSERT_EQ(stat(f.folder.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);
  EXPECT_EQ(f.value("PRAGMA journal_mode"), "wal");
  const std::pair<const char*, const char*> columns[] = {
      {"buckets", "day slot cpu mem pressure peak top top_cpu samples"},
      {"events", "id day slot is_memory title detail created facts"},
      {"baseline", "slot cpu days"},
      {"app_hours", "day hour app name cpu mem energy samples version"},
      {"marks", "id day slot at kind arg"},
      {"stretches", "began ended name peak average wh ratio top series"},
      {"sleeps", "began ended charge0 charge1 battery wakes"},
      {"meta", "key value"},
  };
  for (const auto& [table, names] : columns)
    EXPECT_EQ(joined(f.column(std::string("SELECT name FROM pragma_table_info('") + table + "')")), names);
  EXPECT_EQ(joined(f.column("SELECT name FROM sqlite_master WHERE type = 'index' AND sql NOT NULL ORDER BY name")),
            "app_hours_app events_day marks_day");
  EXPECT_EQ(joined(f.column("SELECT key || '=' || value FROM meta ORDER BY key")), "legacy_imported=1 schema=2");

  EXPECT_TRUE(f.takeProblems().empty());
}

TEST(HistoryDB, anOlderFileKeepsItsNoticesAndGainsTheFindingsFigures) {
  test::HistoryFixture f;
  std::filesystem::create_directories(f.folder);
  SQLite::Database(f.file, SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE)
      .exec("CREATE TABLE meta (key TEXT PRIMARY KEY, value TEXT NOT NULL); INSERT INTO meta VALUES ('schema', '1'); "
            "CREATE TABLE events (id INTEGER PRIMARY KEY AUTOINCREMENT, day TEXT NOT NULL, slot INTEGER NOT NULL, "
            "is_memory INTEGER NOT NULL, title TEXT NOT NULL, detail TEXT NOT NULL, created REAL NOT NULL); "
            "INSERT INTO events (day, slot, is_memory, title, detail, created) VALUES ('d', 9, 0, 'Alt', 'Wörter', 0)");
  auto db = f.open();
  EXPECT_TRUE(db->isOpen() && f.takeProblems().empty());  // not moved aside
  EXPECT_EQ(f.value("SELECT value FROM meta WHERE key = 'schema'"), "2");
  const FindingFacts growth{.isMemory = true, .name = "cc1", .minutes = 20, .from = 1ull << 30, .to = 3ull << 29};
  const FindingFacts busy{.name = "make \"all\"", .cpu = 412};
  db->add(DayEvent{12, true, "cc1 wächst", "…", growth}, "d");
  db->add(DayEvent{13, false, "make", "…", busy}, "d");
  EXPECT_EQ(db->loadEvents("d"), (std::vector<DayEvent>{{9, false, "Alt", "Wörter", std::nullopt},
                                                         {12, true, "cc1 wächst", "…", growth},
                                                         {13, false, "make", "…", busy}}));
  // Figures that don't read leave the stored words alone.
  f.exec("UPDATE events SET facts = '{\"kind\":\"growth\",\"name\":\"x\",\"from\":-1}' WHERE slot = 12");
  EXPECT_EQ(db->loadEvents("d").at(1).facts, std::nullopt);
}

TEST(HistoryDB, aNewerVersionsFileIsLeftUntouchedAndNothingIsSaved) {
  test::HistoryFixture f;
  f.open()->save("2024-05-01", 0, DayBucket{.count = 1});
  f.exec("UPDATE meta SET value = '7' WHERE key = 'schema'");
  const std::string before = test::readFile(f.file);
  {
    auto db = f.open();
    EXPECT_FALSE(db->isOpen());
    db->save("2024-05-01", 1, DayBucket{.count = 1});
    EXPECT_EQ(db->recordedDays(), std::vector<std::string>{});
  }
  const auto problems = f.takeProblems();
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0].kind, HistoryProblem::Kind::tooNew);
  EXPECT_EQ(problems[0].detail, "schema 7");
  EXPECT_EQ(test::readFile(f.file), before);
  EXPECT_EQ(f.value("SELECT COUNT(*) FROM buckets"), "1");
}

TEST(HistoryDB, readsSeeEveryWriteQueuedBeforeThem) {
  test::HistoryFixture f;
  auto db = f.open();
  for (int i = 0; i < 144; ++i) {
    db->save("2024-05-01", i, bucket(i / 144.0));
    ASSERT_EQ(db->loadDay("2024-05-01")[std::size_t(i)], bucket(i / 144.0)) << i;
  }
  db->save("2024-05-01", 7, bucket(0.9, "cc1"));
  EXPECT_EQ(db->loadDay("2024-05-01")[7], bucket(0.9, "cc1"));

  for (int slot : {50, 10, 30}) db->add(DayEvent{slot, slot == 10, "Busy", "cc1"}, "2024-05-01");
  db->add(DayEvent{1, false, "Other day", ""}, "2024-05-02");
  const auto events = db->loadEvents("2024-05-01");
  ASSERT_EQ(events.size(), 3u);
  EXPECT_EQ(events[0], (DayEvent{10, true, "Busy", "cc1"}));
  const Date t = stored(utc(2024, 5, 1, 9, 0));
  db->add(DayMark{54, t + 5s, "wake", ""}, "2024-05-01");
  db->add(DayMark{54, t, "launch", "Editor"}, "2024-05-01");
  EXPECT_EQ(db->loadMarks("2024-05-01").at(0), (DayMark{54, t, "launch", "Editor"}));

  db->save("2024-04-30", 0, bucket(0.1));
  db->save("2024-05-03", 0, bucket(0.1));
  EXPECT_EQ(joined(db->recordedDays()), "2024-05-03 2024-05-01 2024-04-30");
  EXPECT_EQ(joined(db->daysNotFolded("2024-05-03")), "2024-04-30 2024-05-01");
  std::vector<BaselineSlot> baseline(144, BaselineSlot{0.2, 3});
  baseline[143] = {0.9, 14};
  db->save(baseline, "2024-04-30");
  EXPECT_EQ(db->loadBaseline(), baseline);
  EXPECT_EQ(joined(db->daysNotFolded("2024-05-03")), "2024-05-01");

  // Rows of slots that don't exist are ignored.
  f.exec("INSERT INTO buckets VALUES ('2024-05-09', 200, 1, 1, 1, 1, 'x', 1, 1), ('2024-05-09', -1, 1, 1, 1, 1, 'x', 1, 1)");
  f.exec("INSERT INTO baseline VALUES (144, 1, 1), (-3, 1, 1)");
  EXPECT_EQ(db->loadDay("2024-05-09"), std::vector<std::optional<DayBucket>>(144));
  EXPECT_EQ(db->loadBaseline(), baseline);
  EXPECT_TRUE(f.takeProblems().empty());
}

TEST(HistoryDB, destroyingRightAfterWritesKeepsEveryRow) {
  test::HistoryFixture f;
  {
    auto db = f.open();
    for (int i = 0; i < 144; ++i) db->save("2024-05-01", i, bucket(0.5));
    db->add({app("/foo.desktop", 0.5, 60, "1.0")}, "2024-05-01", 10);
  }
  EXPECT_EQ(f.value("SELECT COUNT(*) FROM buckets"), "144");
  EXPECT_EQ(f.value("SELECT COUNT(*) FROM app_hours"), "1");
  EXPECT_TRUE(f.takeProblems().empty());
}

TEST(HistoryDB, appHoursAddUpAndKeepAKnownVersion) {
  test::HistoryFixture f;
  auto db = f.open();
  auto flush = [&](double cpu, int samples, const char* version, const char* name) {
    db->add({app("/foo.desktop", cpu, samples, version, name)}, "2024-05-01", 9);
    const auto rows = db->loadApp("/foo.desktop", "2024-05-01");
    return rows.size() == 1 ? rows[0] : AppHour{};
  };
  EXPECT_EQ(flush(0.5, 60, "1.2", "Foo"), (AppHour{"2024-05-01", 9, 0.5, 1e9, 2, 60, "1.2"}));
  // An empty version never replaces a known one; the name follows the newest flush.
  EXPECT_EQ(flush(0.25, 30, "", "Foo Renamed"), (AppHour{"2024-05-01", 9, 0.75, 2e9, 4, 90, "1.2"}));
  EXPECT_EQ(f.value("SELECT name FROM app_hours"), "Foo Renamed");
  EXPECT_EQ(flush(0.25, 10, "1.3", "Foo"), (AppHour{"2024-05-01", 9, 1.0, 3e9, 6, 100, "1.3"}));

  db->add({app("/b.desktop", 3, 1, "", "Bar"), app("/c.desktop", 0.2, 1, "", "Baz")}, "2024-05-01", 10);
  db->add({app("/foo.desktop", 0.1, 1, "")}, "2024-04-01", 10);
  EXPECT_EQ(db->loadApp("/foo.desktop", "2024-04-01").size(), 2u);
  EXPECT_EQ(db->topApps("2024-05-01", 2),
            (std::vector<HistoryDB::KeptApp>{{"/b.desktop", "Bar"}, {"/foo.desktop", "Foo"}}));
  EXPECT_EQ(db->totalAppEnergy("2024-05-01"), 6 + 2 + 2);
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
    EXPECT_EQ(got.back(), sleepAt(t + offset));
  }
}

TEST(HistoryDB, sleepsAndStretchesComeBackAsSaved) {
  test::HistoryFixture f;
  auto db = f.open();
  const Date t = stored(utc(2024, 5, 1, 22, 0) + 250ms);
  SleepSession s{t, stored(t + 8h), 80, 71, true, {{stored(t + 1h), 42, 78, "RTC"}, {stored(t + 2h), 3, {}, ""}}, {}};
  db->save(std::vector{s, sleepAt(t - 48h)});
  EXPECT_EQ(db->loadSleeps(t - 1h), std::vector{s});

  const double nan = std::nan("");
  Stretch a{t, stored(t + 10min), "Build", 0.9, 0.5, 1.25, {}, {{"cc1", 0.75}, {"ld", 0.25}}, {0.1, 0.9}};
  Stretch b{t + 1h, t + 2h, "Zero", 0, 0, 0, 0.0, {}, {}};
  Stretch c{t + 2h, t + 3h, "Not finite", nan, nan, nan, nan, {{"x", nan}}, {0.5, nan}};
  for (const auto& x : {a, b, c}) db->save(x);
  auto got = db->loadStretches(t);
  ASSERT_EQ(got.size(), 3u);
  EXPECT_EQ(got[0], a);
  EXPECT_EQ(got[1].ratio, std::optional(0.0));
  EXPECT_EQ(got[2].peak, 0.0);
  EXPECT_FALSE(got[2].ratio);
  EXPECT_EQ(got[2].series, (std::vector<double>{0.5, 0.0}));
  EXPECT_EQ(got[2].top, (std::vector<StretchApp>{{"x", 0.0}}));

  // A start loaded back finds its row again, whatever its fraction of a second.
  db->save(Stretch{t + 4h + 123456789ns, t + 5h, "Odd", 0, 0, 0, {}, {}, {}});
  got = db->loadStretches(t);
  got[3].name = "Renamed";
  db->save(got[3]);
  db->deleteStretch(got[1].start);
  std::vector<std::string> names;
  for (const auto& x : db->loadStretches(t)) names.push_back(x.name);
  EXPECT_EQ(joined(names), "Build Not finite Renamed");

  // A list that doesn't decode reads as empty without losing its row.
  f.exec("UPDATE sleeps SET wakes = '[{\"date\": 1}'");
  f.exec("UPDATE stretches SET top = 'nonsense', series = '{}'");
  EXPECT_TRUE(db->loadSleeps(t - 1h).at(0).wakes.empty());
  EXPECT_TRUE(db->loadStretches(t).at(0).top.empty());
  EXPECT_EQ(db->loadStretches(t).at(0).peak, 0.9);

  // Times no clock can hold (a damaged file) come back as the nearest it can.
  f.exec("UPDATE stretches SET began = -1e300, ended = 1e300 WHERE name = 'Build'");
  f.exec("UPDATE sleeps SET began = -1e300, ended = 1e300, wakes = '[{\"date\":1e300,\"seconds\":1,\"reason\":\"\"}]' "
         "WHERE charge0 = 80");
  got = db->loadStretches(t);
  ASSERT_EQ(got.size(), 3u);
  EXPECT_LT(got[0].start, t);
  EXPECT_GT(got[0].end, t);
  const auto sleeps = db->loadSleeps(t);
  ASSERT_EQ(sleeps.size(), 1u);
  EXPECT_GT(sleeps[0].end - sleeps[0].start, 24h * 365 * 200);
  EXPECT_EQ(sleeps[0].wakes.size(), 1u);
  EXPECT_TRUE(f.takeProblems().empty());
}

TEST(HistoryDB, pruneDropsWholeDaysAndWhatEndedBeforeLocalMidnightAcrossDaylightSaving) {
  const qel::test::ScopedTimeZone berlin("Europe/Berlin");
  struct Case {
    std::string before, lastDay;
    Date midnight;  // local midnight of `before`
  };
  const Case cases[] = {
      {"2024-03-10", "2024-03-09", utc(2024, 3, 9, 23, 0)},
      {"2024-04-01", "2024-03-31", utc(2024, 3, 31, 22, 0)},   // after the day that lost an hour
      {"2024-10-28", "2024-10-27", utc(2024, 10, 27, 23, 0)},  // after the day that gained one
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
    for (Date end : {c.midnight - 1min, c.midnight + 1min}) {
      db->save(std::vector{SleepSession{end - 1h, end, {}, {}, false, {}, {}}});
      db->save(Stretch{end - 1h, end, "s", 0, 0, 0, {}, {}, {}});
    }
    db->save(std::vector<BaselineSlot>(144, BaselineSlot{0.2, 1}), c.lastDay);

    db->prune(c.before);
    const auto sleeps = db->loadSleeps(Date{});
    const auto stretches = db->loadStretches(Date{});
    ASSERT_EQ(sleeps.size() + stretches.size(), 2u) << c.before;
    EXPECT_EQ(sleeps[0].end, stored(c.midnight + 1min));
    EXPECT_EQ(stretches[0].end, stored(c.midnight + 1min));
    for (const char* table : {"buckets", "events", "marks", "app_hours"})
      EXPECT_EQ(joined(f.column(std::string("SELECT DISTINCT day FROM ") + table)), c.before) << table;
    EXPECT_EQ(db->loadBaseline()[0].days, 1);
    // Anything but a day key would compare above every day: it prunes nothing.
    db->prune("zzz");
    EXPECT_EQ(joined(db->recordedDays()), c.before);
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

  std::promise<HistoryErase> erased;
  db->eraseAll([&](const HistoryErase& outcome) { erased.set_value(outcome); });
  EXPECT_EQ(erased.get_future().get(), (HistoryErase{.erased = true, .note = ""}));
  for (const char* table : {"buckets", "events", "baseline", "sleeps", "stretches", "marks", "app_hours"})
    EXPECT_EQ(f.value(std::string("SELECT COUNT(*) FROM ") + table), "0") << table;
  EXPECT_EQ(joined(f.column("SELECT key FROM meta ORDER BY key")), "legacy_imported schema");
  EXPECT_FALSE(std::filesystem::exists(f.folder / "day.json.imported"));
  EXPECT_FALSE(std::filesystem::exists(f.folder / "baseline.json.imported"));
  for (const char* name : {"history.sqlite", "history.sqlite-wal"})
    EXPECT_EQ(test::readFile(f.folder / name).find(secret), std::string::npos) << name;
  // The size shown is what the history takes: the database and its write-ahead log.
  const auto wal = f.folder / "history.sqlite-wal";
  EXPECT_EQ(db->fileSize(), std::filesystem::file_size(f.file) +
                                (std::filesystem::exists(wal) ? std::filesystem::file_size(wal) : 0));
  EXPECT_TRUE(f.takeProblems().empty());
}

TEST(HistoryDB, eraseIsTheRowsGoingAndAFailedCleanUpAfterwardsIsANote) {
  test::HistoryFixture f;
  test::FailingCommits hook;
  auto db = f.open();
  auto erase = [&] {
    std::promise<HistoryErase> outcome;
    db->eraseAll([&](const HistoryErase& o) { outcome.set_value(o); });
    return outcome.get_future().get();
  };
  db->save("2024-05-01", 0, bucket(0.5, "x"));
  db->loadDay("2024-05-01");  // the save has committed

  hook.failNext(1);  // the deletion itself fails: rolled back, nothing erased
  EXPECT_FALSE(erase().erased);
  EXPECT_EQ(f.value("SELECT COUNT(*) FROM buckets"), "1");
  auto problems = f.takeProblems();
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0].kind, HistoryProblem::Kind::writeFailed);

  // An imported older file that can't be removed: the rows are gone all the same.
  f.dir.write("Qel/day.json.imported/x", "old day");
  const auto outcome = erase();
  EXPECT_TRUE(outcome.erased);
  EXPECT_NE(outcome.note.find("day.json.imported"), std::string::npos) << outcome.note;
  EXPECT_EQ(f.value("SELECT COUNT(*) FROM buckets"), "0");
  EXPECT_TRUE(f.takeProblems().empty());
}

TEST(HistoryDB, theFilesAreTheUsersOwnWhateverTheUmaskOrTheFolder) {
  // In a folder others may read: a new file, and one an older run left readable by others.
  for (const mode_t mask : {mode_t(022), mode_t(0277)})
    for (const bool older : {false, true}) {
      test::HistoryFixture f;
      std::filesystem::create_directories(f.folder);
      ::chmod(f.folder.c_str(), 0755);
      if (older) f.open()->save("2024-05-01", 0, bucket(0.5));
      ::chmod(f.file.c_str(), 0644);
      const mode_t was = ::umask(mask);
      auto db = f.open();
      db->save("2024-05-01", 1, bucket(0.5));
      EXPECT_TRUE(db->loadDay("2024-05-01")[1]) << mask;
      ::umask(was);
      for (const char* name : {"history.sqlite", "history.sqlite-wal", "history.sqlite-shm"}) {
        struct stat st {};
        EXPECT_EQ(::stat((f.folder / name).c_str(), &st) == 0 ? st.st_mode & 0777 : 0, 0600u) << name << mask << older;
      }
    }
}
