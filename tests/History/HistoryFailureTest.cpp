#include <gtest/gtest.h>

#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <functional>
#include <thread>

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

TEST(HistoryDB, aFailedBatchIsRolledBackAndReportedAndTheNextWriteIsOnItsOwn) {
  // A row refused in the middle of the batch, then a COMMIT that fails.
  for (bool failCommit : {false, true}) {
    test::HistoryFixture f;
    f.open().reset();
    f.exec("CREATE TRIGGER refuse BEFORE INSERT ON app_hours WHEN NEW.app = 'bad' "
           "BEGIN SELECT RAISE(ABORT, 'refused'); END");
    {
      test::FailingCommits hook;
      auto db = f.open();
      hook.failNext(failCommit ? 1 : 0);
      db->add({app("/a.desktop"), app(failCommit ? "/b.desktop" : "bad"), app("/c.desktop")}, "2024-05-01", 1);
      db->save("2024-05-01", 0, bucket(0.5));
      db->add({app("/later.desktop")}, "2024-05-01", 2);
      db->loadDay("2024-05-01");
      const auto problems = f.takeProblems();
      ASSERT_EQ(problems.size(), 1u) << failCommit;
      EXPECT_EQ(problems[0].kind, Kind::writeFailed);
      EXPECT_EQ(problems[0].operation, "save app hours");
    }
    EXPECT_EQ(f.column("SELECT app FROM app_hours"), std::vector<std::string>{"/later.desktop"}) << failCommit;
    EXPECT_EQ(f.value("SELECT COUNT(*) FROM buckets"), "1");
  }
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

TEST(HistoryDB, aFileWithOtherTablesIsMovedAsideAndAFreshOneStarted) {
  const char* foreign[] = {
      "CREATE TABLE notes (id INTEGER PRIMARY KEY, text TEXT)",  // another program's database
      "CREATE TABLE buckets (day TEXT, value REAL)",             // a table of our name, not ours
      // ours, changed beyond use
      ("CREATE TABLE meta (key TEXT PRIMARY KEY, value TEXT NOT NULL); INSERT INTO meta VALUES ('schema', '1'); "
       "CREATE TABLE buckets (day TEXT, slot INTEGER)"),
  };
  for (const char* sql : foreign) {
    test::HistoryFixture f;
    std::filesystem::create_directories(f.folder);
    {
      SQLite::Database other(f.file, SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
      other.exec(sql);
    }
    const std::string before = test::readFile(f.file);
    auto db = f.open();
    ASSERT_TRUE(db->isOpen()) << sql;
    const auto problems = f.takeProblems();
    ASSERT_EQ(problems.size(), 1u) << sql;
    EXPECT_EQ(problems[0].kind, Kind::movedAside);
    EXPECT_EQ(test::readFile(problems[0].movedTo), before);
    db->save("2024-05-01", 3, bucket(0.5));
    EXPECT_TRUE(db->loadDay("2024-05-01")[3]) << sql;
    EXPECT_TRUE(f.takeProblems().empty()) << sql;
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

TEST(HistoryDB, aWriteWaitsForAnotherConnectionInsteadOfFailing) {
  test::HistoryFixture f;
  auto db = f.open();
  SQLite::Database other(f.file, SQLite::OPEN_READWRITE);
  other.exec("BEGIN IMMEDIATE");
  db->save("2024-05-01", 0, bucket(0.5));
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  other.exec("COMMIT");
  EXPECT_TRUE(db->loadDay("2024-05-01")[0]);
  EXPECT_TRUE(f.takeProblems().empty());
}

TEST(HistoryDB, closingWhileAnotherProcessHoldsTheWriteLockGivesUpOnceAndNamesWhatWasLost) {
  test::HistoryFixture f;
  auto db = f.open();
  SQLite::Database other(f.file, SQLite::OPEN_READWRITE);
  other.exec("BEGIN IMMEDIATE");
  for (int i = 0; i < 3; ++i) {
    db->save("2024-05-01", i, bucket(0.5));
    db->add({app("/a.desktop")}, "2024-05-01", 1);
  }
  // Without giving up, the six writes would each wait out the busy timeout and fit the limit.
  EXPECT_FALSE(db->close(std::chrono::seconds(60)));
  other.exec("COMMIT");
  const auto problems = f.takeProblems();
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0].kind, Kind::notSaved);
  EXPECT_EQ(problems[0].detail.rfind("save bucket, save app hours (", 0), 0u) << problems[0].detail;
  EXPECT_NE(problems[0].detail.find("locked"), std::string::npos) << problems[0].detail;
  EXPECT_EQ(f.value("SELECT COUNT(*) FROM buckets"), "0");
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
    expect(std::distance(fs::directory_iterator(folder), fs::directory_iterator()) == (withDatabase ? 1 : 0),
           "nothing added or moved");
    expect(test::readFile(folder / "history.sqlite") == before, "database unchanged");
    fs::permissions(folder, fs::perms::owner_all);
  }
  return failed;
}

// A user who can't write the file itself: nothing is opened, and nothing is left behind that
// would keep a later run from writing once the file is writable again.
std::string checkReadOnlyFile(const std::filesystem::path& root) {
  std::string failed;
  auto expect = [&](bool ok, const std::string& what) {
    if (!ok) failed += what + "\n";
  };
  namespace fs = std::filesystem;
  InstanceLock lock(root / "qel.lock");
  const fs::path folder = root / "Qel", file = folder / "history.sqlite";
  HistoryDB(folder, lock).save("2024-05-01", 0, bucket(0.5));
  fs::permissions(file, fs::perms::owner_read);
  std::vector<HistoryProblem> problems;
  {
    HistoryDB db(folder, lock, [&](const HistoryProblem& p) { problems.push_back(p); });
    expect(!db.isOpen(), "opened a read-only file");
    db.save("2024-05-01", 1, bucket(0.5));
  }
  expect(problems.size() == 1 && problems[0].kind == Kind::openFailed, "one openFailed problem");
  expect(!fs::exists(folder / "history.sqlite-wal") && !fs::exists(folder / "history.sqlite-shm"), "left a log");
  fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
  problems.clear();
  HistoryDB db(folder, lock, [&](const HistoryProblem& p) { problems.push_back(p); });
  db.save("2024-05-01", 2, bucket(0.5));
  const auto day = db.loadDay("2024-05-01");
  expect(db.isOpen() && day[0] && day[2] && problems.empty(), "the writable run could not write");
  return failed;
}

// A history an older run left open to others, in a folder that became read-only: the lock
// can't be made there, yet the files are the user's own before anything is tried.
std::string checkOldFilesInAReadOnlyFolder(const std::filesystem::path& root) {
  std::string failed;
  namespace fs = std::filesystem;
  const fs::path folder = root / "Qel", file = folder / "history.sqlite";
  {
    InstanceLock lock(root / "qel.lock");
    HistoryDB(folder, lock).save("2024-05-01", 0, bucket(0.5));
  }
  std::ofstream(folder / "history.sqlite-wal", std::ios::app).flush();  // a log it left behind
  for (const char* name : {"history.sqlite", "history.sqlite-wal"}) ::chmod((folder / name).c_str(), 0644);
  fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
  InstanceLock lock(folder / "qel.lock");
  if (lock.acquired()) failed += "the lock was made in a read-only folder\n";
  std::vector<HistoryProblem> problems;
  HistoryDB db(folder, lock, [&](const HistoryProblem& p) { problems.push_back(p); });
  for (const char* name : {"history.sqlite", "history.sqlite-wal"}) {
    struct stat st {};
    if (::stat((folder / name).c_str(), &st) != 0 || (st.st_mode & 0777) != 0600)
      failed += std::string(name) + " is not private\n";
  }
  if (problems.size() != 1 || problems[0].kind != Kind::openFailed) failed += "not one openFailed problem\n";
  fs::permissions(folder, fs::perms::owner_all);
  return failed;
}

// Runs `check` on a folder of its own as an unprivileged user: root writes anywhere.
void expectAsUser(std::string (*check)(const std::filesystem::path&)) {
  test::TempDir dir;
  if (geteuid() != 0) {
    EXPECT_EQ(check(dir.path()), "");
    return;
  }
  GTEST_FLAG_SET(death_test_style, "fast");
  EXPECT_EXIT(
      {
        const uid_t nobody = 65534;
        if (chown(dir.path().c_str(), nobody, nobody) != 0 || setgid(nobody) != 0 || setuid(nobody) != 0) _exit(2);
        const std::string failed = check(dir.path());
        std::fputs(failed.c_str(), stderr);
        _exit(failed.empty() ? 0 : 1);
      },
      testing::ExitedWithCode(0), "");
}

}  // namespace

TEST(HistoryDB, aReadOnlyFolderLeavesTheHistoryClosed) { expectAsUser(checkReadOnlyFolder); }

TEST(HistoryDB, aReadOnlyFileLeavesNothingThatBlocksALaterWritableRun) { expectAsUser(checkReadOnlyFile); }

TEST(HistoryDB, filesAnOlderRunLeftOpenBecomePrivateEvenWhereTheLockFails) {
  expectAsUser(checkOldFilesInAReadOnlyFolder);
}

namespace {

// Runs `body` in a child process with a 1 MiB file system of its own mounted at `at`; what it
// finds wrong goes to stderr. The child's exit status: 77 where no mount namespace can be made
// (that takes root).
int onSmallDisk(const std::filesystem::path& at, const std::function<std::string()>& body) {
  const pid_t child = fork();
  if (child == 0) {
    if (unshare(CLONE_NEWNS) != 0 || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        mount("tmpfs", at.c_str(), "tmpfs", 0, "size=1m,mode=0700") != 0)
      _exit(77);
    const std::string failed = body();
    std::fputs(failed.c_str(), stderr);
    _exit(failed.empty() ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Takes every free block of the file system `file` is on.
void fill(const std::filesystem::path& file) {
  std::ofstream out(file, std::ios::binary);
  const std::string block(4096, 'x');
  while (out.write(block.data(), std::streamsize(block.size())) && out.flush()) {
  }
}

// A full disk and the space coming back: nothing written meanwhile is lost, and the user hears
// of it once; what still waits at closing is named as lost. The failures as text.
std::string checkFullDisk(test::HistoryFixture& f) {
  std::string failed;
  auto expect = [&](bool ok, const char* what) { failed += ok ? "" : std::string(what) + "\n"; };
  const std::string day = "2024-05-01";
  auto db = f.open();
  db->add({app("/a.desktop")}, day, 1);
  fill(f.folder / "filler");
  for (int slot = 1; slot <= 3; ++slot) db->save(day, slot, bucket(0.2));
  db->save(day, 2, bucket(0.9));  // saved again while waiting: the later one counts
  db->add({app("/a.desktop"), app("/b.desktop")}, day, 1);
  db->add({app("/a.desktop")}, day, 1);
  expect(!db->loadDay(day)[1], "written on a full disk");
  auto told = f.takeProblems();
  expect(told.size() == 1 && told[0].kind == Kind::waiting && told[0].detail.find("full") != std::string::npos,
         "not told once why writes wait");

  std::filesystem::remove(f.folder / "filler");
  db->save(day, 4, bucket(0.4));
  const auto after = db->loadDay(day);
  expect(after[1] == bucket(0.2) && after[2] == bucket(0.9) && after[3] && after[4], "slots lost");
  const auto a = db->loadApp("/a.desktop", day), b = db->loadApp("/b.desktop", day);
  expect(a.size() == 1 && a[0].samples == 3 && b.size() == 1 && b[0].samples == 1, "app hours lost or doubled");
  expect(f.takeProblems().empty(), "told again");

  fill(f.folder / "filler");
  db->save(day, 5, bucket(0.5));
  expect(!db->close(), "closed as if saved");
  told = f.takeProblems();
  expect(!told.empty() && told.back().kind == Kind::notSaved && told.back().detail.rfind("save bucket (", 0) == 0,
         "what was lost at close not named");
  return failed;
}

// A disk already full when the history opens: what is written meanwhile waits, as when it fills
// later, the history opens once the disk takes writes again, and the user hears of it once.
// An existing history may open all the same; then only its writes wait.
std::string checkFullDiskAtStart(test::HistoryFixture& f, bool withDatabase) {
  std::string failed;
  auto expect = [&](bool ok, const char* what) { failed += ok ? "" : std::string(what) + "\n"; };
  const std::string day = "2024-05-01";
  if (withDatabase) f.open()->save(day, 0, bucket(0.1));
  fill(f.folder / "filler");
  auto db = f.open();
  const bool late = !db->isOpen();
  expect(late || withDatabase, "opened on a full disk");
  for (int slot = 1; slot <= 3; ++slot) db->save(day, slot, bucket(0.2));
  db->add({app("/a.desktop")}, day, 1);
  expect(!db->loadDay(day)[1], "written on a full disk");
  auto told = f.takeProblems();
  // An existing history's log index can't be made either: SQLite calls that an I/O error.
  expect(told.size() == 1 && told[0].kind == Kind::waiting, "not told once why the history waits");
  std::string heard;
  for (const auto& p : told) heard += "  heard: " + p.operation + ": " + p.detail + "\n";

  std::filesystem::remove(f.folder / "filler");
  db->save(day, 4, bucket(0.4));
  const auto after = db->loadDay(day);
  expect(db->isOpen(), "not opened once the disk took writes");
  expect(after[1] == bucket(0.2) && after[2] && after[3] && after[4] == bucket(0.4), "slots lost");
  expect(!withDatabase || after[0] == bucket(0.1), "the stored day lost");
  expect(db->loadApp("/a.desktop", day).size() == 1, "app hours lost");
  told = f.takeProblems();
  expect(late ? told.size() == 1 && told[0].kind == Kind::opened : told.empty(), "not told the history opened");
  expect(db->close(), "not closed cleanly");
  return failed.empty() ? failed : failed + heard;
}

}  // namespace

TEST(HistoryDB, whatAFullDiskDoesNotTakeIsWrittenOnceItDoes) {
  test::HistoryFixture f;
  std::filesystem::create_directories(f.folder);
  const int status = onSmallDisk(f.folder, [&] { return checkFullDisk(f); });
  if (status == 77) GTEST_SKIP() << "no mount namespace here for a small file system";
  EXPECT_EQ(status, 0);
}

TEST(HistoryDB, aDiskFullAtTheStartKeepsWhatIsWrittenAndOpensTheHistoryOnceItHasRoom) {
  for (const bool withDatabase : {false, true}) {
    test::HistoryFixture f;
    std::filesystem::create_directories(f.folder);
    const int status = onSmallDisk(f.folder, [&] { return checkFullDiskAtStart(f, withDatabase); });
    if (status == 77) GTEST_SKIP() << "no mount namespace here for a small file system";
    EXPECT_EQ(status, 0) << withDatabase;
  }
}
