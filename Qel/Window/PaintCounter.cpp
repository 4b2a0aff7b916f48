#include "Qel/Window/PaintCounter.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace qel::PaintCounter {
namespace {

const char* target() {
  const char* path = std::getenv("QEL_PAINT_COUNT_FILE");
  return path && *path ? path : nullptr;
}

int openTarget() {
  const char* path = target();
  return path ? ::open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600) : -1;
}

}  // namespace

void count(Page shown) {
  static const int fd = openTarget();
  static std::uint64_t paints = 0;
  if (fd < 0) return;
  ++paints;
  // A fixed-width line rewritten in place: one small write, and a reader never sees a stale tail.
  char line[48];
  const std::string_view page = rawValue(shown);
  const int n = std::snprintf(line, sizeof line, "%20llu %-12.*s\n", static_cast<unsigned long long>(paints),
                              int(std::min<std::size_t>(page.size(), 12)), page.data());
  // A failed write only loses a measurement.
  if (n > 0) (void)::pwrite(fd, line, std::size_t(n), 0);
}

bool active() {
  static const bool on = target() != nullptr;
  return on;
}

void placeTabs(const std::vector<std::pair<Page, QRect>>& tabs) {
  static std::vector<std::pair<Page, QRect>> written;
  if (!active() || tabs == written) return;
  std::string text;
  for (const auto& [page, r] : tabs) {
    char line[80];
    const int n = std::snprintf(line, sizeof line, "%.*s %d %d %d %d\n", int(rawValue(page).size()),
                                rawValue(page).data(), r.x(), r.y(), r.width(), r.height());
    if (n > 0) text.append(line, std::size_t(std::min(n, int(sizeof line) - 1)));
  }
  // Written aside and renamed, so a reader sees the old list or the new one, never half.
  const std::string path = std::string(target()) + ".tabs", aside = path + ".new";
  const int fd = ::open(aside.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0) return;
  const bool whole = ::write(fd, text.data(), text.size()) == ssize_t(text.size());
  ::close(fd);
  if (whole && ::rename(aside.c_str(), path.c_str()) == 0) written = tabs;
}

}  // namespace qel::PaintCounter
