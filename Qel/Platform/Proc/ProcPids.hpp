#pragma once
// The pids of /proc: its all-digit entries. The folder stays open and is re-read with one large
// getdents64 buffer, so a listing costs no open and close and, on a usual machine, one call that
// fills the buffer and one that finds the end.
//
// Walking every entry still costs the kernel about a fifth of a stat read per process. /proc
// places the entry of pid P at a fixed position plus P, and the kernel hands out pids in rising
// order from the last one handed out (/proc/loadavg's last field) until the counter wraps. So
// between full listings only the entries between the last pid then and the last pid now need
// walking: the processes started since. A fall of the last pid is a wrap; then, and whenever
// the positions don't behave as described, the listing is a full one.
#include <cstdint>
#include <optional>
#include <vector>

#include "Qel/Platform/Proc/SysRoot.hpp"

namespace qel {

// What a listing shows of where the folder places pid entries: the position of pid 0's entry
// when every pid entry sits at that offset plus its pid.
struct PidPositions {
  std::int32_t lastPid = 0;  // the previous pid entry, 0 before the first
  std::int64_t lastNext = 0;  // the position the kernel gave as the one after it
  std::optional<std::int64_t> offset;
  bool consistent = true;
};

class ProcPids {
 public:
  explicit ProcPids(SysRoot root) : root_(std::move(root)) {}
  ~ProcPids();
  ProcPids(const ProcPids&) = delete;
  ProcPids& operator=(const ProcPids&) = delete;

  // Every current pid in ascending order into `out`; false when /proc can't be read.
  bool list(std::vector<std::int32_t>& out);
  // Adds the pids of the processes started since the previous listing to `out`, the previous
  // listing's pids less those gone (ascending), keeping it ascending; false (with `out` as it
  // was) when that can't be known here, and a full listing is needed.
  bool listNew(std::vector<std::int32_t>& out);
  // Whether `pid` may have been handed out since the listing before the last: any pid after a
  // full listing, after listing the new ones only those past the last pid then.
  bool mayBeNew(std::int32_t pid) const { return !newAbove_ || pid > *newAbove_; }

 private:
  bool open();
  std::optional<std::int32_t> lastPid();

  SysRoot root_;
  int fd_ = -1;
  bool isProc_ = false;
  KeptFile loadavg_;
  std::vector<char> buffer_;
  std::vector<std::int32_t> fresh_;
  std::optional<std::int64_t> offset_;  // pid 0's position, when the folder places pids so
  std::optional<std::int32_t> lastPid_;  // the last pid handed out, as of the previous listing
  std::optional<std::int32_t> newAbove_;  // after listing the new ones, the last pid before
};

// The pids among the entries of one getdents64 buffer of `size` bytes, appended to `out`; an
// entry that runs past the end stops the walk. With `positions`, also learns where pids sit.
void appendPids(const char* buffer, std::size_t size, std::vector<std::int32_t>& out,
                PidPositions* positions = nullptr);

// The last field of /proc/loadavg: the pid handed out last.
std::optional<std::int32_t> parseLastPid(std::string_view loadavg);

}  // namespace qel
