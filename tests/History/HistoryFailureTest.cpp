#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

#include "tests/History/HistoryFixture.hpp"

using namespace qel;
using Kind = HistoryProblem::Kind;

namespace {

DayBucket bucket(double cpu) { return {cpu, 0.5, 20, cpu + 0.1, "make", 150, 60}; }

HistoryDB::AppRow app(std::string key) { return {std::move(key), AppUsage{"Foo", 1, 1e9, 2, 1}, ""}; }

}  // namespace

TEST(HistoryDB, withoutTheInstanceLockNothingIsOpened) {
  test::HistoryFixture f;
  InstanceLock second(f.dir / "qel.lock");
  ASSERT_TRUE(f.lock.acquired());
  ASSERT_FALSE(second.acquired());
  std::vector<HistoryProblem> problems;
  HistoryDB db(f.folder, second, [&](const HistoryProblem& p) { problems.push_back(p); });
  EXPECT_FALSE(db.isOpen());
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0].kind, Kind::openFailed);
  db.save("2024-05-01", 0, bucket(0.5));
  EXPECT_EQ(db.loadDay("2024-05-01"), std::vector<std::optional<DayBucket>>(144));
  EXPECT_EQ(db.loadBaseline(), std::vector<BaselineSlot>(144));
  EXPECT_EQ(db.totalAppEnergy(""), 0.0);
  EXPECT_EQ(db.fileSize(), 0u);
  EXPECT_FALSE(std::filesystem::exists(f.file));
}

TEST(HistoryDB, aFailedStatementRollsBackItsBatchAndLaterWritesStillLand) {
  test::HistoryFixture f;
  f.open().reset();
  f.exec("CREATE TRIGGER refuse BEFORE INSERT ON app_hours WHEN NEW.app = 'bad' "
         "BEGIN SELECT RAISE(ABORT, 'refused'); END");
  {
    auto db = f.open();
    db->add({app("/good.desktop"), app("bad"), app("/after.desktop")}, "2024-05-01",
            1);
    db->save("2024-05-01", 0, bucket(0.5));
    db->add({app("/later.desktop")}, "2024-05-01", 2);
    db->loadDay("2024-05-01");
    const auto problems = f.takeProblems();
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].kind, Kind::writeFailed);
    EXPECT_EQ(problems[0].operation, "save app hours");
    EXPECT_NE(problems[0].detail.find("refused"), std::string::npos);
  }
  EXPECT_EQ(f.column("SELECT app FROM app_hours"), std::vector<std::string>{"/later.desktop"});
  EXPECT_EQ(f.value("SELECT COUNT(*) FROM buckets"), "1");
}

TEST(HistoryDB, aFileThatIsNotADatabaseIsMovedAsideAndAFreshOneStarted) {
  const std::string texts[] = {"not a database at all", std::string(4096, '\xff'),
                               std::string("SQLite format 3\0garbage", 23) + std::string(2000, 'x')};
  for (const auto& text : texts) {
    test::HistoryFixture f;
    f.dir.write("Qel/history.sqlite", text);
    f.dir.write("Qel/history.sqlite-wal", "stale log");
    auto db = f.open();
    ASSERT_TRUE(db->isOpen());
    const auto problems = f.takeProblems();
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].kind, Kind::movedAside);
    const auto aside = problems[0].movedTo;
    EXPECT_EQ(aside.parent_path(), f.folder);
    EXPECT_EQ(aside.filename().string().rfind("history.sqlite.broken-", 0), 0u) << aside;
    EXPECT_EQ(test::readFile(aside), text);
    EXPECT_EQ(test::readFile(f.folder / "history.sqlite-wal").find("stale"), std::string::npos);
    db->save("2024-05-01", 3, bucket(0.5));
    EXPECT_TRUE(db->loadDay("2024-05-01")[3]);
    EXPECT_TRUE(f.takeProblems().empty());
  }
}

TEST(HistoryDB, corruptionFoundWhileRunningMovesTheFileAside) {
  test::HistoryFixture f;
  {
    auto db = f.open();
    for (int i = 0; i < 144; ++i) db->save("2024-05-01", i, bucket(0.5));
  }
  const int page = std::stoi(f.value("PRAGMA page_size"));
  const int root = std::stoi(f.value("SELECT rootpage FROM sqlite_master WHERE name = 'buckets'"));
  {
    std::fstream out(f.file, std::ios::in | std::ios::out | std::ios::binary);
    out.seekp(std::streamoff(page) * (root - 1));
    out << std::string(std::size_t(page), '\x5a');
  }
  auto db = f.open();
  EXPECT_EQ(db->loadDay("2024-05-01"), std::vector<std::optional<DayBucket>>(144));
  auto problems = f.takeProblems();
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0].kind, Kind::movedAside);
  EXPECT_TRUE(std::filesystem::exists(problems[0].movedTo));
  // Its log goes along: replayed into the fresh file it would damage that too.
  EXPECT_TRUE(std::filesystem::exists(problems[0].movedTo.string() + "-wal"));
  db->save("2024-05-01", 1, bucket(0.25));
  EXPECT_EQ(db->loadDay("2024-05-01")[1], bucket(0.25));
  EXPECT_TRUE(f.takeProblems().empty());
}

TEST(HistoryDB, aFailedCommitIsReportedAndTheNextWriteIsOnItsOwn) {
  test::HistoryFixture f;
  {
    test::FailingCommits hook;
    auto db = f.open();
    hook.failNext(1);
    db->add({app("/a.desktop"), app("/b.desktop")}, "2024-05-01", 1);
    db->save("2024-05-01", 0, bucket(0.5));
    EXPECT_TRUE(db->loadDay("2024-05-01")[0]);
    const auto problems = f.takeProblems();
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].kind, Kind::writeFailed);
  }
  EXPECT_EQ(f.value("SELECT COUNT(*) FROM app_hours"), "0");
  EXPECT_EQ(f.value("SELECT COUNT(*) FROM buckets"), "1");
}

namespace {

// What a user who can't write the folder gets: no database, no file moved, empty reads, and
// one problem to show. Returns the failures as text, for a child process to hand back.
std::string checkReadOnlyFolder(const std::filesystem::path& root) {
  std::string failed;
  auto expect = [&](bool ok, const std::string& what) {
    if (!ok) failed += what + "\n";
  };
  namespace fs = std::filesystem;
  InstanceLock lock(root / "qel.lock");
  expect(lock.acquired(), "lock");
  for (bool withDatabase : {false, true}) {
    const fs::path folder = root / (withDatabase ? "full" : "empty");
    if (withDatabase) {
      HistoryDB db(folder, lock);
      db.save("2024-05-01", 0, bucket(0.5));
    } else {
      fs::create_directories(folder);
    }
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    const std::string before = test::readFile(folder / "history.sqlite");
    std::vector<HistoryProblem> problems;
    {
      HistoryDB db(folder, lock, [&](const HistoryProblem& p) { problems.push_back(p); });
      expect(!db.isOpen(), "opened in a read-only folder");
      db.save("2024-05-01", 1, bucket(0.5));
      expect(db.loadDay("2024-05-01") == std::vector<std::optional<DayBucket>>(144), "read something");
    }
    expect(problems.size() == 1 && problems[0].kind == Kind::openFailed, "one openFailed problem");
    int files = 0;
    for (const auto& e : fs::directory_iterator(folder)) files += e.path().filename().string().find("broken") == std::string::npos ? 1 : 100;
    expect(files == (withDatabase ? 1 : 0), "files left as they were");
    expect(test::readFile(folder / "history.sqlite") == before, "database unchanged");
    fs::permissions(folder, fs::perms::owner_all);
  }
  return failed;
}

}  // namespace

TEST(HistoryDB, aReadOnlyFolderLeavesTheHistoryClosed) {
  test::TempDir dir;
  if (geteuid() != 0) {
    EXPECT_EQ(checkReadOnlyFolder(dir.path()), "");
    return;
  }
  // Root writes anywhere: check as an unprivileged user in a child process.
  GTEST_FLAG_SET(death_test_style, "fast");
  EXPECT_EXIT(
      {
        const uid_t nobody = 65534;
        if (chown(dir.path().c_str(), nobody, nobody) != 0 || setgid(nobody) != 0 || setuid(nobody) != 0) _exit(2);
        const std::string failed = checkReadOnlyFolder(dir.path());
        std::fputs(failed.c_str(), stderr);
        _exit(failed.empty() ? 0 : 1);
      },
      testing::ExitedWithCode(0), "");
}
