#pragma once
// One instance per user: an exclusive flock on a lock file, held for the life of the object and
// let go by the kernel however the process ends. Taking it never blocks.
#include <filesystem>

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

  // False when another process (or another InstanceLock on the same file) holds it, or when
  // the file could not be opened.
  bool acquired() const { return fd_ >= 0; }
  // Why the file could not be opened or locked (an errno value); 0 when it is held or taken.
  int error() const { return error_; }
  const std::filesystem::path& path() const { return file_; }

 private:
  std::filesystem::path file_;
  int fd_ = -1;
  int error_ = 0;
};

}  // namespace qel
