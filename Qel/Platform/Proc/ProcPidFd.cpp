#include "Qel/Platform/Proc/ProcPidFd.hpp"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <charconv>
#include <string>

namespace qel {

std::optional<std::uint64_t> parseSocketLink(std::string_view link) {
  if (!link.starts_with("socket:[") || !link.ends_with("]")) return std::nullopt;
  const std::string_view digits = link.substr(8, link.size() - 9);
  std::uint64_t inode = 0;
  const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), inode);
  if (ec != std::errc() || end != digits.data() + digits.size() || digits.empty()) return std::nullopt;
  return inode;
}

namespace {

// Calls `link` with each descriptor's target until it returns true; false when the
// descriptors can't be listed.
template <typename F>
bool forEachFdLink(const SysRoot& root, std::int32_t pid, F link) {
  const int dirFd = ::open(root.proc(std::to_string(pid) + "/fd").c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dirFd < 0) return false;
  DIR* dir = fdopendir(dirFd);
  if (!dir) {
    ::close(dirFd);
    return false;
  }
  char target[64];  // every target either reader looks for is shorter
  while (const dirent* e = readdir(dir)) {
    if (e->d_name[0] == '.') continue;
    const ssize_t n = ::readlinkat(dirFd, e->d_name, target, sizeof target);
    if (n <= 0 || std::size_t(n) >= sizeof target) continue;
    if (link(std::string_view(target, std::size_t(n)))) break;
  }
  closedir(dir);
  return true;
}

bool digitsOnly(std::string_view s) {
  return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
}

}  // namespace

bool isGpuDeviceLink(std::string_view link) {
  if (link.starts_with("/dev/dri/renderD")) return digitsOnly(link.substr(16));
  if (link.starts_with("/dev/nvidia")) return digitsOnly(link.substr(11));
  return false;
}

std::optional<bool> holdsGpuDevice(const SysRoot& root, std::int32_t pid) {
  bool found = false;
  if (!forEachFdLink(root, pid, [&](std::string_view target) { return found = isGpuDeviceLink(target); }))
    return std::nullopt;
  return found;
}

bool readSocketInodes(const SysRoot& root, std::int32_t pid, std::vector<std::uint64_t>& out) {
  return forEachFdLink(root, pid, [&](std::string_view target) {
    if (const auto inode = parseSocketLink(target)) out.push_back(*inode);
    return false;
  });
}

}  // namespace qel
