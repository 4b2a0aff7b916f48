#pragma once
// Where the kernel's files are read from: "/" on a real machine, a recorded fixture tree in
// tests. The literal paths "/proc" and "/sys" appear only here.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace qel {

struct SysRoot {
  std::filesystem::path root = "/";

  std::filesystem::path proc(const std::string& rel = {}) const { return join("proc", rel); }
  std::filesystem::path sys(const std::string& rel = {}) const { return join("sys", rel); }
  std::filesystem::path path(const std::string& rel) const { return join("", rel); }

 private:
  std::filesystem::path join(const char* top, const std::string& rel) const {
    std::filesystem::path p = root;
    if (*top) p /= top;
    if (!rel.empty()) p /= rel;
    return p;
  }
};

// The whole content of a small file (at most `cap` bytes); absent when it can't be read.
std::optional<std::string> readText(const std::filesystem::path& file, std::size_t cap = 1 << 20);

// A file kept open and re-read from its start with pread each time: proc and sys files give a
// fresh snapshot on every read, without the cost of open and close.
class KeptFile {
 public:
  KeptFile() = default;
  explicit KeptFile(const std::filesystem::path& file) : KeptFile(file.c_str()) {}
  explicit KeptFile(const char* file);
  ~KeptFile();
  KeptFile(KeptFile&& other) noexcept;
  KeptFile& operator=(KeptFile&& other) noexcept;
  KeptFile(const KeptFile&) = delete;
  KeptFile& operator=(const KeptFile&) = delete;

  bool isOpen() const { return fd_ >= 0; }
  // Reads the current content into `out` (at most `cap` bytes); false when it can't be read.
  bool read(std::string& out, std::size_t cap = 1 << 20) const;
  // One pread from the start into `buffer`: the bytes read, or -1. The cheapest way to take a
  // small proc file that is read every tick; content longer than `size` is cut.
  long readOnce(char* buffer, std::size_t size) const { return readOnce(fd_, buffer, size); }
  static long readOnce(int fd, char* buffer, std::size_t size);
  // For a caller that reads many kept files in a row without touching their owners.
  int descriptor() const { return fd_; }

 private:
  int fd_ = -1;
};

}  // namespace qel
