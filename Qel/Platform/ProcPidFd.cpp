#include "Qel/Platform/ProcPidFd.hpp"

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

bool readSocketInodes(const SysRoot& root, std::int32_t pid, std::vector<std::uint64_t>& out) {
  const int dirFd = ::open(root.proc(std::to_string(pid) + "/fd").c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dirFd < 0) return false;
  DIR* dir = fdopendir(dirFd);
  if (!dir) {
    ::close(dirFd);
    return false;
  }
  char link[64];  // "socket:[" + 20 digits + "]" fits; longer targets are not sockets
  while (const dirent* e = readdir(dir)) {
    if (e->d_name[0] == '.') continue;
    const ssize_t n = ::readlinkat(dirFd, e->d_name, link, sizeof link);
    if (n <= 0 || std::size_t(n) >= sizeof link) continue;
    if (const auto inode = parseSocketLink(std::string_view(link, std::size_t(n)))) out.push_back(*inode);
  }
  closedir(dir);
  return true;
}

}  // namespace qel
