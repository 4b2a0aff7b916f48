#include "Qel/History/HistoryDB.hpp"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Exception.h>

#include "Qel/History/HistorySchema.hpp"
#include "Qel/Platform/Files/Defaults.hpp"
#include "Qel/Platform/Files/InstanceLock.hpp"
#include "Qel/Platform/Files/MoveAside.hpp"

namespace qel {
namespace fs = std::filesystem;
using Kind = HistoryProblem::Kind;

namespace {

// Another process (the sqlite3 tool, a backup) may hold the file for a moment; waiting longer
// would stall the main thread's reads.
constexpr int kBusyTimeoutMs = 2000;

bool isBroken(const SQLite::Exception& e) {
  const int code = e.getErrorCode() & 0xff;
  return code == SQLITE_NOTADB || code == SQLITE_CORRUPT;
}

// A full disk or an exceeded quota (which SQLite reports as a failed write).
bool isNoRoom(const SQLite::Exception& e) {
  const int code = e.getErrorCode() & 0xff;
  return code == SQLITE_FULL || code == SQLITE_IOERR;
}

// What writing `more` after `into` adds up to, as one batch: the sums add, the name follows the
// later row and an empty version keeps a known one.
void addAppRows(std::vector<HistoryDB::AppRow>& into, std::vector<HistoryDB::AppRow> more) {
  for (auto& row : more) {
    const auto same = std::find_if(into.begin(), into.end(), [&](const auto& r) { return r.key == row.key; });
    if (same == into.end()) {
      into.push_back(std::move(row));
      continue;
    }
    same->usage.cpu += row.usage.cpu;
    same->usage.mem += row.usage.mem;
    same->usage.energy += row.usage.energy;
    same->usage.samples += row.usage.samples;
    same->usage.name = std::move(row.usage.name);
    if (!row.version.empty()) same->version = std::move(row.version);
  }
}

// The history tells which programs ran when: only this user may read it, whatever the umask
// or the folder's mode. Files of older runs lose what others could do with them, and keep what
// the owner could (a file made read-only stays so). Done first of all: a folder where nothing
// else works (no lock, no database) may still hold an older history open to others.
void makeExistingPrivate(const fs::path& file) {
  for (const char* companion : {"", "-wal", "-shm"}) {
    const fs::path path = file.string() + companion;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) continue;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && (st.st_mode & 077) != 0) ::fchmod(fd, st.st_mode & 0700);
    ::close(fd);
  }
}

// SQLite gives its log and index the main file's mode, so creating that 0600 covers them.
void createPrivate(const fs::path& file) {
  if (const int fd = ::open(file.c_str(), O_RDONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600); fd >= 0) {
    ::fchmod(fd, 0600);
    ::close(fd);
  }
}

}  // namespace

HistoryDB::HistoryDB(fs::path folder, const InstanceLock& lock, ProblemHandler onProblem)
    : folder_(std::move(folder)), file_(folder_ / "history.sqlite"), onProblem_(std::move(onProblem)) {
  makeExistingPrivate(file_);
  if (!lock.acquired()) {
    // The lock can't be had where the history lives (a folder that can't be made or written):
    // that is the cause to tell, not the lock.
    report({Kind::openFailed, "open",
            lock.error() ? lock.problem() : "another instance of the program holds " + lock.path().string(), {}});
    return;
  }
  queue_.sync([this] { openDatabase(false); });
}

HistoryDB::~HistoryDB() { close(); }

fs::path HistoryDB::folder() { return xdgHome("XDG_DATA_HOME", ".local/share") / "Qel"; }

std::uint64_t HistoryDB::fileSize() const {
  std::uint64_t total = 0;
  for (const fs::path& file : {file_, fs::path(file_.string() + "-wal")}) {
    std::error_code ec;
    const auto size = fs::file_size(file, ec);
    if (!ec) total += size;
  }
  return total;
}

void HistoryDB::report(HistoryProblem problem) {
  // While closing, failed writes are gathered into the one notSaved problem close() reports.
  if (closing_ && problem.kind == Kind::writeFailed) {
    unsaved_.push_back(problem.operation);
    if (unsavedWhy_.empty()) unsavedWhy_ = problem.detail;
    return;
  }
  if (!onProblem_) return;
  try {
    onProblem_(problem);
  } catch (...) {
    // The owner's handler must not take the queue down with it.
  }
}

void HistoryDB::openDatabase(bool fresh) {
  openWaiting_ = false;
  std::error_code ec;
  if (!fs::exists(folder_, ec) && fs::create_directories(folder_, ec))
    fs::permissions(folder_, fs::perms::owner_all, ec);
  createPrivate(file_);
  try {
    handle_ = std::make_unique<SQLite::Database>(file_, SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE,
                                                 kBusyTimeoutMs);
    // A file this user may not write is opened read-only, and reading it would leave a log and
    // its index behind that the next run, with the file writable again, could not write either.
    // So nothing is read from it at all.
    if (sqlite3_db_readonly(handle_->getHandle(), "main") == 1) {
      handle_.reset();
      report({Kind::openFailed, "open", file_.string() + " is read-only: nothing is saved this run", {}});
      return;
    }
    const auto found = historyschema::check(*handle_);
    if (found.fit == historyschema::Check::Fit::newer) {
      // Written by a newer version: left as it is for that version to go on with.
      handle_.reset();
      report({Kind::tooNew, "open", found.why, {}});
      return;
    }
    if (found.fit == historyschema::Check::Fit::foreign) {
      if (!fresh && replaceBrokenFile(found.why)) return;
      handle_.reset();
      report({Kind::openFailed, "open", found.why, {}});
      return;
    }
    historyschema::createTables(*handle_);
  } catch (const SQLite::Exception& e) {
    if (!fresh && isBroken(e) && replaceBrokenFile(e.what())) return;
    handle_.reset();
    if (isNoRoom(e)) {
      // As when the disk fills later: what is written meanwhile waits, and the database opens
      // once the disk takes writes again.
      openWaiting_ = true;
      waitingWhy_ = e.what();
      if (!toldWaiting_) report({Kind::waiting, "open", e.what(), {}});
      toldWaiting_ = true;
      return;
    }
    report({Kind::openFailed, "open", e.what(), {}});
    return;
  } catch (const std::exception& e) {
    handle_.reset();
    report({Kind::openFailed, "open", e.what(), {}});
    return;
  }
  isOpen_ = true;
  perform(Kind::writeFailed, "import older files", [this](SQLite::Database& db) { importLegacyFiles(db); });
}

bool HistoryDB::replaceBrokenFile(const std::string& why) {
  if (recovering_) return false;
  recovering_ = true;
  // Leave the broken file exactly as found: no checkpoint into it on the way out.
  if (handle_) sqlite3_db_config(handle_->getHandle(), SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
  handle_.reset();
  isOpen_ = false;
  bool opened = false;
  if (const auto aside = moveAside(file_)) {
    // The log and its index belong to the broken file: replayed into a fresh one they would
    // damage it, so they go along under the matching names.
    std::error_code ec;
    for (const char* companion : {"-wal", "-shm"}) {
      fs::path from = file_, to = *aside;
      from += companion;
      to += companion;
      if (fs::exists(from, ec)) fs::rename(from, to, ec);
    }
    report({Kind::movedAside, "open", why, *aside});
    openDatabase(true);
    opened = handle_ != nullptr;
  }
  recovering_ = false;
  return opened;
}

bool HistoryDB::perform(Kind failure, const char* operation, const Body& body, std::optional<std::string>* noRoom) {
  for (int attempt = 0; attempt < 2 && handle_; ++attempt) {
    std::string message;
    bool broken = false;
    bool full = false;
    try {
      body(*handle_);
      return true;
    } catch (const SQLite::Exception& e) {
      message = e.what();
      broken = isBroken(e);
      const int code = e.getErrorCode() & 0xff;
      if (closing_ && (code == SQLITE_BUSY || code == SQLITE_LOCKED)) lockedOut_ = true;
      full = isNoRoom(e);
    } catch (const std::exception& e) {
      message = e.what();
    } catch (...) {
      message = "unknown failure";
    }
    // A failed statement inside a transaction must not leave later writes inside it.
    if (handle_ && !sqlite3_get_autocommit(handle_->getHandle()))
      sqlite3_exec(handle_->getHandle(), "ROLLBACK", nullptr, nullptr, nullptr);
    if (broken && attempt == 0 && replaceBrokenFile(message)) continue;
    if (full && noRoom) {
      *noRoom = message;
      return false;
    }
    report({failure, operation, message, {}});
    return false;
  }
  return false;
}

void HistoryDB::write(const char* operation, Body body, std::string key) {
  queue_.async([this, w = Write{operation, std::move(key), std::move(body), nullptr}]() mutable { enqueue(std::move(w)); });
}

void HistoryDB::enqueue(Write w) {
  if (abandon_ || lockedOut_) {
    unsaved_.push_back(w.operation);
    return;
  }
  // Only while writes wait can one of the same key be among them.
  if (!w.key.empty()) {
    const auto same = std::find_if(waiting_.begin(), waiting_.end(), [&](const Write& e) { return e.key == w.key; });
    if (same != waiting_.end() && same->apps && w.apps) {
      addAppRows(*same->apps, std::move(*w.apps));
      writeWaiting();
      return;
    }
    if (same != waiting_.end()) waiting_.erase(same);
  }
  waiting_.push_back(std::move(w));
  writeWaiting();
}

void HistoryDB::writeWaiting() {
  if (openWaiting_) {
    openDatabase(false);
    if (openWaiting_) return;
    // It can't open any more (reported): without a database the writes go, as any write does.
    if (!handle_) {
      waiting_.clear();
      toldWaiting_ = false;
      return;
    }
    openedLate_ = true;
  }
  while (!waiting_.empty()) {
    if (abandon_ || lockedOut_) {
      for (const auto& w : waiting_) unsaved_.push_back(w.operation);
      waiting_.clear();
      return;
    }
    const Write& w = waiting_.front();
    std::optional<std::string> noRoom;
    if (!perform(Kind::writeFailed, w.operation, w.body, &noRoom) && noRoom) {
      waitingWhy_ = *noRoom;
      // Closing names what is still waiting in the one problem it reports.
      if (!toldWaiting_ && !closing_) report({Kind::waiting, w.operation, *noRoom, {}});
      toldWaiting_ = true;
      return;
    }
    waiting_.pop_front();
  }
  toldWaiting_ = false;
  // Only once what waited is written: reading the history again must find it.
  if (openedLate_ && !closing_) report({Kind::opened, "open", {}, {}});
  openedLate_ = false;
}

void HistoryDB::afterWrites(std::function<void()> done) {
  if (closed_) {
    done();
    return;
  }
  queue_.async(std::move(done));
}

bool HistoryDB::close(std::chrono::milliseconds limit) {
  if (closed_) return true;
  closed_ = true;
  closing_ = true;
  // One more try for what waits for room, even with nothing queued after it.
  queue_.async([this] { writeWaiting(); });
  const bool drained = queue_.drain(limit);
  if (!drained) abandon_ = true;
  queue_.stop();
  // The worker is gone: the connection and the gathered failures are this thread's now.
  handle_.reset();
  isOpen_ = false;
  for (const auto& w : waiting_) unsaved_.push_back(w.operation);
  if (!waiting_.empty() && unsavedWhy_.empty()) unsavedWhy_ = waitingWhy_;
  waiting_.clear();
  if (drained && unsaved_.empty()) return true;
  // What was lost, each kind once, in the order it was queued, and why.
  std::vector<std::string> kinds;
  for (const auto& operation : unsaved_)
    if (std::find(kinds.begin(), kinds.end(), operation) == kinds.end()) kinds.push_back(operation);
  std::string lost;
  for (const auto& operation : kinds) lost += (lost.empty() ? "" : ", ") + operation;
  const std::string why = drained ? unsavedWhy_ : "the history did not finish writing in time";
  report({Kind::notSaved, "close", lost.empty() ? why : lost + " (" + why + ")", {}});
  return false;
}

}  // namespace qel
