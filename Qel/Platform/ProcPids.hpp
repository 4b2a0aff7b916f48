#pragma once
// The pids of /proc: its all-digit entries. The folder stays open and is re-read from its
// start on each listing, so listing every tick costs no open and close.
#include <dirent.h>

#include <cstdint>
#include <vector>

#include "Qel/Platform/SysRoot.hpp"

namespace qel {

class ProcPids {
 public:
  explicit ProcPids(SysRoot root) : root_(std::move(root)) {}
  ~ProcPids();
  ProcPids(const ProcPids&) = delete;
  ProcPids& operator=(const ProcPids&) = delete;

  // The current pids in ascending order into `out`; false when /proc can't be read.
  bool list(std::vector<std::int32_t>& out);

 private:
  SysRoot root_;
  DIR* dir_ = nullptr;
};

}  // namespace qel
