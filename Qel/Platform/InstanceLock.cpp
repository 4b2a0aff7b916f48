#include "Qel/Platform/InstanceLock.hpp"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "Qel/Platform/Defaults.hpp"

namespace qel {
namespace fs = std::filesystem;

InstanceLock::InstanceLock(fs::path file) : file_(std::move(file)) {
  std::error_code ec;
  const fs::path dir = file_.parent_path();
  if (!dir.empty() && !fs::exists(dir, ec) && fs::create_directories(dir, ec))
    fs::permissions(dir, fs::perms::owner_all, ec);
  const int fd = ::open(file_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return;
  int rc;
  do rc = ::flock(fd, LOCK_EX | LOCK_NB);
  while (rc != 0 && errno == EINTR);
  if (rc != 0) {
    ::close(fd);
    return;
  }
  fd_ = fd;
}

InstanceLock::~InstanceLock() {
  // Closing the descriptor lets the lock go; the file stays for the next start.
  if (fd_ >= 0) ::close(fd_);
}

fs::path InstanceLock::standardPath() {
  std::error_code ec;
  if (const char* run = std::getenv("XDG_RUNTIME_DIR"); run && run[0] == '/' && fs::is_directory(run, ec))
    return fs::path(run) / "qel.lock";
  return xdgHome("XDG_DATA_HOME", ".local/share") / "Qel" / "qel.lock";
}

}  // namespace qel
