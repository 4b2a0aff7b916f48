#pragma once
// A history database in a temp folder, the problems it reported, and a second connection for
// looking at the file behind its back.
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

#include "Qel/History/HistoryDB.hpp"
#include "Qel/Platform/InstanceLock.hpp"
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

}  // namespace qel::test
