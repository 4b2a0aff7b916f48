#include "Qel/Platform/Proc/ProcPids.hpp"

#include <dirent.h>
#include <fcntl.h>
#include <linux/magic.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstddef>
#include <cstring>

#include "Qel/Platform/Proc/ProcText.hpp"

namespace qel {
namespace {

// Room for some five thousand processes in one call.
constexpr std::size_t kBufferSize = 128 * 1024;
// A listing of the processes started since the last: a few dozen entries at a time.
constexpr std::size_t kShortBufferSize = 2048;

std::optional<std::int32_t> pidOf(std::string_view name) {
  if (name.empty() || name[0] < '1' || name[0] > '9') return std::nullopt;  // pid 0 is never listed
  std::int32_t pid = 0;
  const auto [ptr, ec] = std::from_chars(name.data(), name.data() + name.size(), pid);
  if (ec != std::errc() || ptr != name.data() + name.size()) return std::nullopt;
  return pid;
}

}  // namespace

void appendPids(const char* buffer, std::size_t size, std::vector<std::int32_t>& out, PidPositions* positions) {
  constexpr std::size_t nameAt = offsetof(dirent64, d_name);
  std::size_t at = 0;
  while (size - at > nameAt) {
    unsigned short length = 0;
    std::memcpy(&length, buffer + at + offsetof(dirent64, d_reclen), sizeof length);
    if (length <= nameAt || length > size - at) return;
    std::int64_t next = 0;
    std::memcpy(&next, buffer + at + offsetof(dirent64, d_off), sizeof next);
    const char* name = buffer + at + nameAt;
    at += length;
    const auto pid = pidOf(std::string_view(name, strnlen(name, length - nameAt)));
    if (!pid) continue;
    out.push_back(*pid);
    if (!positions) continue;
    // The previous pid entry's "next position" is this entry's own.
    if (positions->lastPid > 0) {
      const std::int64_t offset = positions->lastNext - *pid;
      if (*pid <= positions->lastPid || (positions->offset && *positions->offset != offset))
        positions->consistent = false;
      positions->offset = offset;
    }
    positions->lastPid = *pid;
    positions->lastNext = next;
  }
}

std::optional<std::int32_t> parseLastPid(std::string_view loadavg) {
  std::string_view field, last;
  while (!(field = nextField(loadavg)).empty()) last = field;
  return pidOf(last);
}

ProcPids::~ProcPids() {
  if (fd_ >= 0) ::close(fd_);
}

bool ProcPids::open() {
  if (fd_ >= 0) return true;
  fd_ = ::open(root_.proc().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  struct statfs fs {};
  isProc_ = fd_ >= 0 && ::fstatfs(fd_, &fs) == 0 && fs.f_type == PROC_SUPER_MAGIC;
  if (fd_ >= 0 && buffer_.empty()) buffer_.resize(kBufferSize);
  return fd_ >= 0;
}

std::optional<std::int32_t> ProcPids::lastPid() {
  if (!loadavg_.isOpen()) loadavg_ = KeptFile(root_.proc("loadavg"));
  char text[256];
  const long n = loadavg_.readOnce(text, sizeof text);
  return n > 0 ? parseLastPid(std::string_view(text, std::size_t(n))) : std::nullopt;
}

bool ProcPids::list(std::vector<std::int32_t>& out) {
  out.clear();
  newAbove_.reset();
  lastPid_ = lastPid();  // before the walk: a process started meanwhile is listed next time
  if (!open() || ::lseek(fd_, 0, SEEK_SET) != 0) return false;
  PidPositions positions;
  for (;;) {
    const ssize_t n = ::getdents64(fd_, buffer_.data(), buffer_.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) break;
    appendPids(buffer_.data(), std::size_t(n), out, &positions);
  }
  // Only the kernel's own /proc places entries by pid; a recorded tree places them as it likes.
  offset_ = isProc_ && positions.consistent ? positions.offset : std::nullopt;
  // /proc lists in pid order already; a fixture folder may not.
  if (!std::is_sorted(out.begin(), out.end())) std::sort(out.begin(), out.end());
  return true;
}

bool ProcPids::listNew(std::vector<std::int32_t>& out) {
  if (!offset_ || !lastPid_ || fd_ < 0) return false;
  const auto now = lastPid();
  if (!now || *now < *lastPid_) return false;  // the pid counter wrapped
  if (*now == *lastPid_) {  // no pid handed out since
    newAbove_ = lastPid_;
    return true;
  }
  // Pids handed out since lie just past the previous last pid; older processes may sit above
  // them (from before a wrap), so the walk stops at the first pid past the last one handed out.
  if (::lseek(fd_, off_t(*offset_ + *lastPid_ + 1), SEEK_SET) < 0) return false;
  fresh_.clear();
  bool past = false;
  while (!past) {
    const ssize_t n = ::getdents64(fd_, buffer_.data(), kShortBufferSize);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) break;
    const std::size_t before = fresh_.size();
    appendPids(buffer_.data(), std::size_t(n), fresh_);
    past = fresh_.size() > before && fresh_.back() > *now;
  }
  // Anything but rising pids past the previous last one means the folder places entries otherwise.
  std::int32_t previous = *lastPid_;
  for (const std::int32_t pid : fresh_) {
    if (pid <= previous) {
      offset_.reset();
      return false;
    }
    previous = pid;
  }
  // A process started while the previous listing ran may be in it already.
  const auto known = std::ptrdiff_t(out.size());
  for (const std::int32_t pid : fresh_)
    if (pid <= *now && !std::binary_search(out.begin(), out.begin() + known, pid)) out.push_back(pid);
  std::inplace_merge(out.begin(), out.begin() + known, out.end());
  newAbove_ = lastPid_;
  lastPid_ = now;
  return true;
}

}  // namespace qel
