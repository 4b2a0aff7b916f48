#pragma once
// The history database: one SQLite file in the data folder with the ten-minute slots of every
// recorded day, the day events, the usual load, per-app hours, day marks, stretches and sleeps.
// Every use of the connection happens on the serial queue "qel.history": writers queue their
// work and return at once, readers wait for it and see every write queued before them.
// Failures are rolled back and reported to the owner, which shows them; a write the disk has no
// room for is kept until it has. Nothing throws out.
#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Qel/History/AppUsage.hpp"
#include "Qel/History/BaselineSlot.hpp"
#include "Qel/History/DayBucket.hpp"
#include "Qel/History/DayEvent.hpp"
#include "Qel/History/DayMark.hpp"
#include "Qel/History/SleepSession.hpp"
#include "Qel/History/Stretch.hpp"
#include "Qel/Platform/Runtime/Clock.hpp"
#include "Qel/Platform/Runtime/SerialQueue.hpp"

namespace SQLite {
class Database;
}

namespace qel {

class InstanceLock;

// Something the database could not do.
struct HistoryProblem {
  enum class Kind {
    openFailed,   // no database this run: writes are dropped, reads give their empty result
                  // (a disk too full to open it on is `waiting` instead: it opens once it can)
    movedAside,   // the file was not a database, was corrupt or held other tables: kept as `movedTo`,
                  // a fresh one started
    tooNew,       // the file is a newer version's: left untouched, no database this run
    writeFailed,  // a write was rolled back; the database holds what it held before it
    waiting,      // the disk takes no more: this write and the ones after it are kept and
                  // written, in order, once it does (reported once until they are)
    readFailed,   // a read gave its empty result
    notSaved,     // closing ran out of time and dropped queued writes
    opened,       // the disk was full when the database was to open, and it opened once the disk
                  // took writes again: what was read before came from no database
  };
  Kind kind{};
  std::string operation;  // what was being done, e.g. "save bucket"
  std::string detail;     // SQLite's or the system's message
  std::filesystem::path movedTo;
  bool operator==(const HistoryProblem&) const = default;
};

// What erasing the history did.
struct HistoryErase {
  bool erased = false;  // every row is gone
  std::string note;     // a clean-up step afterwards that failed (traces may remain); empty when none
  bool operator==(const HistoryErase&) const = default;
};

class HistoryDB {
 public:
  // Called on the history queue, or on the owner's thread during construction and close():
  // hand the problem on to the main thread before touching any state there.
  using ProblemHandler = std::function<void(const HistoryProblem&)>;

  // An app as a day's hours keep it: its key, and the name it had when they were written.
  struct KeptApp {
    std::string key;
    std::string name;
    bool operator==(const KeptApp&) const = default;
  };

  // One app's sums for one flush.
  struct AppRow {
    std::string key;  // the app key
    AppUsage usage;
    std::string version;  // empty when unknown
  };

  // Opens <folder>/history.sqlite on the queue and returns when that has finished or failed.
  // Opens nothing unless `lock` is held: a second instance would add the same hours twice.
  // `lock` is the folder's own (InstanceLock::standardPath() for folder()) and must outlive this.
  HistoryDB(std::filesystem::path folder, const InstanceLock& lock, ProblemHandler onProblem = {});
  // close() with its default limit: what was written before stays written.
  ~HistoryDB();
  HistoryDB(const HistoryDB&) = delete;
  HistoryDB& operator=(const HistoryDB&) = delete;

  // $XDG_DATA_HOME/Qel, by default ~/.local/share/Qel. Reading it creates nothing.
  static std::filesystem::path folder();

  bool isOpen() const { return isOpen_; }
  // Bytes the history takes on disk: history.sqlite and its write-ahead log, where recent rows
  // wait for a checkpoint; a file that can't be read counts 0.
  std::uint64_t fileSize() const;

  // Runs every queued write, then closes the connection, waiting at most `limit` for the writes.
  // Once a write finds the file locked by another process the rest are not tried: each would
  // wait out the busy timeout. False, with one notSaved problem naming what was lost, when
  // anything was not written. Later calls do nothing.
  bool close(std::chrono::milliseconds limit = std::chrono::seconds(5));

  // Writers: queued, in call order. A write the disk has no room for waits, with every write
  // after it, until one finds room again or the database closes; a slot saved again meanwhile
  // replaces its waiting save, and an hour's app sums add up into the one waiting.
  void save(std::string day, int slot, DayBucket bucket);
  void add(DayEvent event, std::string day);
  // Adds the sums to what the hour already holds; an empty version never replaces a known one.
  void add(std::vector<AppRow> apps, std::string day, int hour);
  void add(DayMark mark, std::string day);
  void save(Stretch stretch);
  void deleteStretch(Date began);
  // A stored sleep that began less than 120 s from a new one's start is replaced by it.
  void save(std::vector<SleepSession> sleeps);
  void save(std::vector<BaselineSlot> baseline, std::string through);
  // Notes that `day` is written by a run whose clock jumped past the stored history: such a day
  // can't be the reference the retention is counted from.
  void markUnsure(std::string day);
  // Drops whole days before `before` (a day key; anything else prunes nothing), and the sleeps
  // and stretches that ended before its local midnight. The baseline is kept.
  void prune(std::string before);
  // Empties every history table, then tries to leave no trace of the rows in the file, its log
  // or the imported older files. `done` runs on the queue with the outcome: a failed clean-up
  // after the rows are gone is a note, not a failed erase.
  void eraseAll(std::function<void(const HistoryErase&)> done = {});
  // Runs `done` on the queue once every write queued before it has finished; at once when
  // the database is closed.
  void afterWrites(std::function<void()> done);

  // Readers: wait for the queue.
  std::vector<std::optional<DayBucket>> loadDay(const std::string& day);  // 144 slots
  std::vector<DayEvent> loadEvents(const std::string& day);
  std::vector<DayMark> loadMarks(const std::string& day);
  std::vector<BaselineSlot> loadBaseline();  // 144 slots, zeros where nothing is stored
  std::vector<std::string> recordedDays();   // newest first
  std::vector<std::string> unsureDays();     // marked by markUnsure(), oldest first
  // Days after the last one folded into the baseline and before `before`, oldest first.
  std::vector<std::string> daysNotFolded(const std::string& before);
  std::vector<AppHour> loadApp(const std::string& app, const std::string& since);
  double totalAppEnergy(const std::string& since);
  // The apps with a name that used the most CPU on `day`, the most first.
  std::vector<KeptApp> topApps(const std::string& day, int limit);
  std::vector<Stretch> loadStretches(Date since);
  std::vector<SleepSession> loadSleeps(Date since);

 private:
  using Body = std::function<void(SQLite::Database&)>;
  struct Write {
    const char* operation;
    std::string key;  // a later write of the same key stands for this one; empty: none does
    Body body;
    std::shared_ptr<std::vector<AppRow>> apps;  // the rows an app-hours write's body writes
  };

  void openDatabase(bool fresh);
  bool replaceBrokenFile(const std::string& why);
  void importLegacyFiles(SQLite::Database& db);
  // After an erase: compacts the file, empties its log, removes the imported older files.
  // What failed, or empty.
  std::string scrubAfterErase();
  // Runs `body` on the connection (on the queue). A failure is rolled back and reported as
  // `failure`; when the file turns out to be broken it is moved aside and `body` runs once more
  // on a fresh database. True when `body` completed. With `noRoom`, a failure for want of
  // disk space is not reported but its message handed back there.
  bool perform(HistoryProblem::Kind failure, const char* operation, const Body& body,
               std::optional<std::string>* noRoom = nullptr);
  void write(const char* operation, Body body, std::string key = {});
  // On the queue: adds `w` behind the waiting writes and writes what the disk takes.
  void enqueue(Write w);
  void writeWaiting();
  template <class R, class F>
  R read(const char* operation, R empty, F body);
  void report(HistoryProblem problem);

  std::filesystem::path folder_;
  std::filesystem::path file_;
  ProblemHandler onProblem_;
  std::unique_ptr<SQLite::Database> handle_;
  std::atomic<bool> isOpen_{false};
  std::atomic<bool> abandon_{false};  // closing ran out of time: skip what is still queued
  std::atomic<bool> closing_{false};
  // While closing, on the queue: the file was locked, and the writes that were not saved.
  bool lockedOut_ = false;
  std::vector<std::string> unsaved_;
  std::string unsavedWhy_;
  // On the queue: the writes the disk had no room for, oldest first, and why.
  std::deque<Write> waiting_;
  std::string waitingWhy_;
  bool toldWaiting_ = false;
  // On the queue: the disk was full when the database was to open; writes wait for it to open.
  bool openWaiting_ = false;
  bool openedLate_ = false;  // ... and it opened: told once what waited is written
  bool closed_ = false;
  bool recovering_ = false;
  SerialQueue queue_{"qel.history"};  // last: its thread stops before the fields above go
};

}  // namespace qel
