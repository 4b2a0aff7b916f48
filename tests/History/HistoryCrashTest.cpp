#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <set>

#include "Qel/Platform/Runtime/Calendar.hpp"
#include "tests/History/HistoryFixture.hpp"

using namespace qel;

namespace {

// Runs the writer child on the fixture's folder until it has reported `rows` rows, sends it
// `sig`, and returns its wait status; `last` is the last row it reported before it was gone.
int runWriter(test::HistoryFixture& f, const char* mode, int rows, int sig, int& last) {
  int fds[2];
  if (::pipe(fds) != 0) return -1;
  const std::string fd = std::to_string(fds[1]), lock = (f.dir / "child.lock").string();
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::close(fds[0]);
    ::execl(QEL_HISTORY_WRITER, "qel_history_writer", lock.c_str(), f.folder.c_str(), fd.c_str(), mode, nullptr);
    ::_exit(127);
  }
  ::close(fds[1]);
  FILE* reports = ::fdopen(fds[0], "r");
  int row = -1, seen = 0;
  while (std::fscanf(reports, "%d\n", &row) == 1) {
    last = row;
    if (++seen == rows) ::kill(pid, sig);
  }
  std::fclose(reports);
  int status = 0;
  ::waitpid(pid, &status, 0);
  return seen >= rows ? status : -1;
}

// Every row from 0 to `last` is in the database, and the file is sound.
void expectRowsUpTo(test::HistoryFixture& f, int last) {
  auto db = f.open();
  ASSERT_TRUE(db->isOpen());
  for (int i = 0; i <= last; i += kSlotsPerDay) {
    const auto day = db->loadDay(*addDays("2024-01-01", i / kSlotsPerDay));
    for (int j = i; j <= last && j < i + kSlotsPerDay; ++j)
      ASSERT_TRUE(day[std::size_t(j - i)] && day[std::size_t(j - i)]->count == j) << "bucket " << j << " of " << last;
  }
  db.reset();
  const auto apps = f.column("SELECT app FROM app_hours");
  const std::set<std::string> have(apps.begin(), apps.end());
  for (int i = 0; i <= last; ++i) ASSERT_TRUE(have.count("app-" + std::to_string(i))) << "app row " << i;
  EXPECT_EQ(f.value("PRAGMA integrity_check"), "ok");
  EXPECT_TRUE(f.takeProblems().empty());
}

}  // namespace

TEST(HistoryCrash, aKilledWriterLeavesADatabaseWithEveryCommittedRow) {
  for (int rows : {1, 40, 400}) {
    test::HistoryFixture f;
    int last = -1;
    const int status = runWriter(f, "crash", rows, SIGKILL, last);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << status;
    expectRowsUpTo(f, last);
  }
}

TEST(HistoryCrash, aQuitSignalLetsEveryQueuedWriteLand) {
  for (int sig : {SIGTERM, SIGINT, SIGHUP}) {
    test::HistoryFixture f;
    int last = -1;
    const int status = runWriter(f, "quit", 300, sig, last);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << strsignal(sig) << " " << status;
    expectRowsUpTo(f, last);
  }
}
