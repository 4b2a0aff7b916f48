#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <set>

#include "Qel/Platform/Calendar.hpp"
#include "tests/History/HistoryFixture.hpp"

using namespace qel;
namespace fs = std::filesystem;

namespace {

// The writer child and the rows it reported on its pipe.
class Writer {
 public:
  Writer(const fs::path& lock, const fs::path& folder, const char* mode) {
    int fds[2];
    if (::pipe(fds) != 0) std::abort();
    ::fcntl(fds[0], F_SETFD, FD_CLOEXEC);
    const std::string fd = std::to_string(fds[1]);
    pid_ = ::fork();
    if (pid_ == 0) {
      ::execl(QEL_HISTORY_WRITER, "qel_history_writer", lock.c_str(), folder.c_str(), fd.c_str(), mode,
              nullptr);
      ::_exit(127);
    }
    ::close(fds[1]);
    fd_ = fds[0];
  }
  ~Writer() {
    if (pid_ > 0) {
      ::kill(pid_, SIGKILL);
      ::waitpid(pid_, nullptr, 0);
    }
    ::close(fd_);
  }

  // Reads reports until `rows` have come or the pipe closes; false when it took too long.
  bool readUntil(int rows) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
    while (reported < rows) {
      if (std::chrono::steady_clock::now() > deadline) return false;
      pollfd p{fd_, POLLIN, 0};
      if (::poll(&p, 1, 1000) <= 0) continue;
      char buf[4096];
      const ssize_t n = ::read(fd_, buf, sizeof buf);
      if (n <= 0) return reported >= rows;
      for (ssize_t i = 0; i < n; ++i) {
        if (buf[i] != '\n') {
          line_ += buf[i];
          continue;
        }
        last = std::stoi(line_);
        ++reported;
        line_.clear();
      }
    }
    return true;
  }

  // Sends `sig`, collects what was reported until the child is gone, and returns its wait status.
  int stop(int sig) {
    ::kill(pid_, sig);
    readUntil(INT32_MAX);
    int status = 0;
    ::waitpid(pid_, &status, 0);
    pid_ = -1;
    return status;
  }

  int reported = 0;
  int last = -1;

 private:
  pid_t pid_ = -1;
  int fd_ = -1;
  std::string line_;
};

// Every row from 0 to `last` is in the database, and the file is sound.
void expectRowsUpTo(test::HistoryFixture& f, int last) {
  auto db = f.open();
  ASSERT_TRUE(db->isOpen());
  std::vector<std::optional<DayBucket>> day;
  std::string dayShown;
  for (int i = 0; i <= last; ++i) {
    const std::string key = *addDays("2024-01-01", i / kSlotsPerDay);
    if (key != dayShown) day = db->loadDay(dayShown = key);
    const auto& b = day[std::size_t(i % kSlotsPerDay)];
    ASSERT_TRUE(b && b->count == i) << "bucket of row " << i << " of " << last;
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
    Writer writer(f.dir / "child.lock", f.folder, "crash");
    ASSERT_TRUE(writer.readUntil(rows)) << "the writer reported " << writer.reported << " rows";
    const int status = writer.stop(SIGKILL);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << status;
    ASSERT_EQ(writer.last + 1, writer.reported);
    expectRowsUpTo(f, writer.last);
  }
}

TEST(HistoryCrash, aQuitSignalLetsEveryQueuedWriteLand) {
  for (int sig : {SIGTERM, SIGINT, SIGHUP}) {
    test::HistoryFixture f;
    Writer writer(f.dir / "child.lock", f.folder, "quit");
    ASSERT_TRUE(writer.readUntil(300)) << "the writer reported " << writer.reported << " rows";
    const int status = writer.stop(sig);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << strsignal(sig) << " " << status;
    expectRowsUpTo(f, writer.last);
  }
}
