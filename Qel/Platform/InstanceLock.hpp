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

  // $XDG_RUNTIME_DIR/qel.lock, or the data folder's qel.lock when there is no runtime folder.
  static std::filesystem::path standardPath();

  // False when another process (or another InstanceLock on the same file) holds it.
  bool acquired() const { return fd_ >= 0; }
  const std::filesystem::path& path() const { return file_; }

 private:
  std::filesystem::path file_;
  int fd_ = -1;
};

}  // namespace qel
