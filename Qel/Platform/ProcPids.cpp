#include "Qel/Platform/ProcPids.hpp"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace qel {

ProcPids::~ProcPids() {
  if (dir_) closedir(dir_);
}

bool ProcPids::list(std::vector<std::int32_t>& out) {
  out.clear();
  if (!dir_) dir_ = opendir(root_.proc().c_str());
  if (!dir_) return false;
  rewinddir(dir_);
  while (const dirent* e = readdir(dir_)) {
    const char* name = e->d_name;
    if (*name < '1' || *name > '9') continue;  // pid 0 is never listed
    std::int32_t pid = 0;
    const char* end = name + std::strlen(name);
    const auto [ptr, ec] = std::from_chars(name, end, pid);
    if (ec == std::errc() && ptr == end) out.push_back(pid);
  }
  // /proc lists in pid order already; a fixture folder may not.
  if (!std::is_sorted(out.begin(), out.end())) std::sort(out.begin(), out.end());
  return true;
}

}  // namespace qel
