#include "Qel/Platform/Proc/ProcPidFiles.hpp"

#include <fcntl.h>
#include <linux/magic.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>

namespace qel {
namespace {
constexpr std::size_t kFirstRoom = 16 * 1024;  // most environments and every other file fit
}  // namespace

ProcPidFiles::ProcPidFiles(const SysRoot& root) : dir_(root.proc().string()) {
  struct statfs fs {};
  isProc_ = ::statfs(dir_.c_str(), &fs) == 0 && fs.f_type == PROC_SUPER_MAGIC;
  if (!dir_.ends_with('/')) dir_ += '/';
  path_.reserve(dir_.size() + 32);
}

const char* ProcPidFiles::path(std::int32_t pid, const char* file) {
  char digits[16];
  const auto end = std::to_chars(digits, digits + sizeof digits, pid).ptr;
  path_.assign(dir_).append(digits, end).append(1, '/').append(file);
  return path_.c_str();
}

std::optional<std::string_view> ProcPidFiles::read(std::int32_t pid, const char* file, std::size_t cap) {
  const int fd = ::open(path(pid, file), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  std::size_t size = 0;
  for (;;) {
    if (text_.size() < std::min(cap, size + 1))
      text_.resize(std::min(cap, std::max({kFirstRoom, 2 * text_.size(), size + 1})));
    const std::size_t room = std::min(cap, text_.size()) - size;
    if (room == 0) break;  // cut at the cap
    const ssize_t n = ::pread(fd, text_.data() + size, room, off_t(size));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      ::close(fd);
      return std::nullopt;
    }
    size += std::size_t(n);
    if (std::size_t(n) < room) break;
  }
  ::close(fd);
  return std::string_view(text_.data(), size);
}

std::string ProcPidFiles::readLink(std::int32_t pid, const char* file) {
  char buf[4096];
  const ssize_t n = ::readlink(path(pid, file), buf, sizeof buf);
  if (n <= 0 || std::size_t(n) >= sizeof buf) return {};
  std::string_view target(buf, std::size_t(n));
  if (target.ends_with(" (deleted)")) target.remove_suffix(10);
  return std::string(target);
}

}  // namespace qel
