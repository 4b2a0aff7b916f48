#pragma once
// The small files of /proc/[pid], for a reader that opens thousands of them: each path is built
// in one reused buffer and each file is read whole into another with a single read where it fits.
// A proc file makes its whole text anew on every read from a new offset, so a second read only
// to find the end would cost the kernel as much again; a read that comes back short is the end.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Qel/Platform/Proc/SysRoot.hpp"

namespace qel {

class ProcPidFiles {
 public:
  explicit ProcPidFiles(const SysRoot& root);

  // The path of `file` of process `pid`; valid until the next call.
  const char* path(std::int32_t pid, const char* file);
  // The whole file, cut at `cap` bytes; valid until the next read. Absent when it can't be read.
  std::optional<std::string_view> read(std::int32_t pid, const char* file, std::size_t cap = 1 << 20);
  // Whether the folder is the kernel's own proc, where a process's files belong to its user (the
  // effective one, or root while the process may not be traced); a recorded tree's owners are
  // whoever wrote it.
  bool isProc() const { return isProc_; }
  // Where the link `file` points ("exe"); empty when it can't be read. A replaced or removed
  // executable's path is given without the kernel's " (deleted)" mark.
  std::string readLink(std::int32_t pid, const char* file);

 private:
  std::string dir_;  // the proc folder, with a trailing "/"
  bool isProc_ = false;
  std::string path_;
  std::vector<char> text_;
};

}  // namespace qel
