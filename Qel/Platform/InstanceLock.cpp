#include "Qel/Platform/InstanceLock.hpp"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include "Qel/Platform/Defaults.hpp"

namespace qel {
namespace fs = std::filesystem;

InstanceLock::InstanceLock(fs::path file) : file_(std::move(file)) {
  std::error_code ec;
  const fs::path dir = file_.parent_path();
  if (!dir.empty() && !fs::exists(dir, ec) && fs::create_directories(dir, ec))
    fs::permissions(dir, fs::perms::owner_all, ec);
  const int fd = ::open(file_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) {
    error_ = errno;
    return;
  }
  int rc;
  do rc = ::flock(fd, LOCK_EX | LOCK_NB);
  while (rc != 0 && errno == EINTR);
  if (rc != 0) {
    error_ = errno == EWOULDBLOCK ? 0 : errno;
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
  // Beside the history it guards, whatever else the environment says: two starts that saw
  // different runtime folders must still find each other's lock.
  return xdgHome("XDG_DATA_HOME", ".local/share") / "Qel" / "qel.lock";
}

}  // namespace qel
