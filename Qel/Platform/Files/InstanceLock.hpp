#pragma once
// One instance per user: an exclusive flock on a lock file, held for the life of the object and
// let go by the kernel however the process ends. Taking it never blocks. The holder writes into
// the file where other starts can reach it (its note).
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace qel {

class InstanceLock {
 public:
  // Tries once to take the lock on `file`, creating the file (and a missing folder, 0700).
  explicit InstanceLock(std::filesystem::path file);
  ~InstanceLock();
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  // qel.lock in the history folder, $XDG_DATA_HOME/Qel: one lock per history database.
  static std::filesystem::path standardPath();
  // A folder of this user's own for the lock and the socket when the history folder can't hold
  // them: $XDG_RUNTIME_DIR/qel, else /tmp/qel-<uid> (made 0700, and used only when it is a
  // folder of this user's that nobody else may enter). None when neither will do.
  static std::optional<std::filesystem::path> runtimeFolder();

  // False when another process (or another InstanceLock on the same file) holds it, or when
  // the file could not be opened.
  bool acquired() const { return fd_ >= 0; }
  // Why the file could not be opened or locked (an errno value); 0 when it is held or taken.
  int error() const { return error_; }
  // The same in words, naming what could not be made or opened; empty when error() is 0.
  const std::string& problem() const { return problem_; }
  const std::filesystem::path& path() const { return file_; }

  // The holder's note in the file, replacing what was there; false (errno says why) when not
  // held or not written.
  bool setNote(std::string_view note);
  // What the holder of the lock at `file` noted; empty when nothing (yet).
  static std::string note(const std::filesystem::path& file);

 private:
  std::filesystem::path file_;
  int fd_ = -1;
  int error_ = 0;
  std::string problem_;
};

}  // namespace qel
