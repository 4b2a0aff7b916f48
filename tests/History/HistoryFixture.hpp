#pragma once
// A history database in a temp folder, the problems it reported, and a second connection for
// looking at the file behind its back.
#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include <sqlite3.h>

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

#include "Qel/History/HistoryDB.hpp"
#include "Qel/Platform/Files/InstanceLock.hpp"
#include "tests/support/TempDir.hpp"

namespace qel::test {

struct HistoryFixture {
  TempDir dir;
  std::filesystem::path folder = dir / "Qel";
  std::filesystem::path file = folder / "history.sqlite";
  InstanceLock lock{dir / "qel.lock"};

  std::unique_ptr<HistoryDB> open() {
    return std::make_unique<HistoryDB>(folder, lock, [this](const HistoryProblem& p) {
      std::lock_guard guard(mutex);
      problems.push_back(p);
    });
  }

  std::vector<HistoryProblem> takeProblems() {
    std::lock_guard guard(mutex);
    return std::exchange(problems, {});
  }

  // The first column of each row of `sql`, as text, through a connection of its own.
  std::vector<std::string> column(const std::string& sql) const {
    SQLite::Database db(file, SQLite::OPEN_READWRITE);
    SQLite::Statement st(db, sql);
    std::vector<std::string> out;
    while (st.executeStep()) out.push_back(st.getColumn(0).getString());
    return out;
  }
  std::string value(const std::string& sql) const {
    auto rows = column(sql);
    return rows.empty() ? std::string("<none>") : rows.front();
  }
  void exec(const std::string& sql) const {
    SQLite::Database db(file, SQLite::OPEN_READWRITE);
    db.exec(sql);
  }

  std::mutex mutex;
  std::vector<HistoryProblem> problems;
};

// Every connection opened while this lives gets a commit hook that can fail the next commits:
// the engine then rolls the transaction back and COMMIT reports an error.
class FailingCommits {
 public:
  FailingCommits() { sqlite3_auto_extension(reinterpret_cast<void (*)()>(install)); }
  ~FailingCommits() {
    sqlite3_cancel_auto_extension(reinterpret_cast<void (*)()>(install));
    failures() = 0;
  }
  void failNext(int n) { failures() = n; }

 private:
  static std::atomic<int>& failures() {
    static std::atomic<int> n{0};
    return n;
  }
  static int fail(void*) {
    if (failures() <= 0) return 0;
    --failures();
    return 1;
  }
  static int install(sqlite3* db, const char**, const sqlite3_api_routines*) {
    sqlite3_commit_hook(db, fail, nullptr);
    return SQLITE_OK;
  }
};

}  // namespace qel::test
