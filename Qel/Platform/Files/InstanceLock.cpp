#include "Qel/Platform/Files/InstanceLock.hpp"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "Qel/Platform/Files/Defaults.hpp"

namespace qel {
namespace fs = std::filesystem;

InstanceLock::InstanceLock(fs::path file) : file_(std::move(file)) {
  std::error_code ec;
  const fs::path dir = file_.parent_path();
  if (!dir.empty() && !fs::is_directory(dir, ec)) {
    if (!fs::create_directories(dir, ec) && ec) {
      // The real cause (a parent that may not be written), not the open's "no such file" after it.
      error_ = ec.value();
      problem_ = "can't create the folder " + dir.string() + ": " + ec.message();
      return;
    }
    fs::permissions(dir, fs::perms::owner_all, ec);
  }
  const int fd = ::open(file_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) {
    error_ = errno;
    problem_ = "can't open " + file_.string() + ": " + std::strerror(error_);
    return;
  }
  int rc;
  do rc = ::flock(fd, LOCK_EX | LOCK_NB);
  while (rc != 0 && errno == EINTR);
  if (rc != 0) {
    error_ = errno == EWOULDBLOCK ? 0 : errno;
    if (error_) problem_ = "can't lock " + file_.string() + ": " + std::strerror(error_);
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

std::optional<fs::path> InstanceLock::runtimeFolder() {
  std::error_code ec;
  if (const char* run = std::getenv("XDG_RUNTIME_DIR"); run && *run == '/' && fs::is_directory(run, ec)) {
    const fs::path folder = fs::path(run) / "qel";
    if (::mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST) return folder;
  }
  // /tmp is everyone's: the folder must be this user's own, a real folder, closed to others.
  const fs::path folder = "/tmp/qel-" + std::to_string(::geteuid());
  ::mkdir(folder.c_str(), 0700);
  struct stat st {};
  if (::lstat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid() || (st.st_mode & 077))
    return std::nullopt;
  return folder;
}

bool InstanceLock::setNote(std::string_view note) {
  if (fd_ < 0) {
    errno = EBADF;
    return false;
  }
  if (::ftruncate(fd_, 0) != 0) return false;
  const ssize_t n = ::pwrite(fd_, note.data(), note.size(), 0);
  if (n == ssize_t(note.size())) return true;
  if (n >= 0) errno = ENOSPC;  // the disk took only part of it
  return false;
}

std::string InstanceLock::note(const fs::path& file) {
  const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
  if (fd < 0) return {};
  char buffer[4096];
  const ssize_t n = ::read(fd, buffer, sizeof buffer);
  ::close(fd);
  return n > 0 ? std::string(buffer, std::size_t(n)) : std::string();
}

}  // namespace qel
