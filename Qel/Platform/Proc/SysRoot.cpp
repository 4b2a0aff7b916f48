#include "Qel/Platform/Proc/SysRoot.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace qel {

std::optional<std::string> readText(const std::filesystem::path& file, std::size_t cap) {
  KeptFile f(file);
  std::string out;
  if (!f.read(out, cap)) return std::nullopt;
  return out;
}

KeptFile::KeptFile(const char* file) : fd_(::open(file, O_RDONLY | O_CLOEXEC)) {}

KeptFile::~KeptFile() {
  if (fd_ >= 0) ::close(fd_);
}

KeptFile::KeptFile(KeptFile&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }

KeptFile& KeptFile::operator=(KeptFile&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = other.fd_;
    other.fd_ = -1;
  }
  return *this;
}

bool KeptFile::read(std::string& out, std::size_t cap) const {
  out.clear();
  if (fd_ < 0) return false;
  std::size_t size = 0;
  std::size_t chunk = 4096;
  for (;;) {
    if (size + chunk > cap) chunk = cap - size;
    if (chunk == 0) return true;  // capped: what fits
    out.resize(size + chunk);
    const ssize_t n = ::pread(fd_, out.data() + size, chunk, off_t(size));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      out.clear();
      return false;
    }
    size += std::size_t(n);
    out.resize(size);
    if (n == 0) return true;
    if (chunk < 65536) chunk *= 2;
  }
}

long KeptFile::readOnce(int fd, char* buffer, std::size_t size) {
  if (fd < 0) return -1;
  for (;;) {
    const ssize_t n = ::pread(fd, buffer, size, 0);
    if (n < 0 && errno == EINTR) continue;
    return long(n);
  }
}

}  // namespace qel
