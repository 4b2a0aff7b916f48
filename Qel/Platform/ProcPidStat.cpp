#include "Qel/Platform/ProcPidStat.hpp"

#include <charconv>
#include <cstring>

namespace qel {
namespace {

// One unsigned decimal field at `p`; false when it is not one or does not fit in T.
template <class T>
bool number(const char*& p, const char* end, T& out) {
  const auto [ptr, ec] = std::from_chars(p, end, out);
  if (ec != std::errc() || ptr == p || (ptr != end && *ptr != ' ' && *ptr != '\n')) return false;
  p = ptr;
  return true;
}

// The pid before the name: decimal digits only, as the kernel writes it, above 0. Counted by
// hand: this runs for every process every tick, and from_chars costs several times as much.
bool leadingPid(std::string_view digits, std::int32_t& out) {
  if (digits.empty() || digits.size() > 9) return false;
  std::int32_t pid = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return false;
    pid = pid * 10 + (c - '0');
  }
  out = pid;
  return pid > 0;
}

}  // namespace

std::optional<PidStat> parsePidStat(std::string_view text) {
  const auto open = text.find('(');
  // memrchr rather than rfind: the numbers after the name are most of the line.
  const void* last = text.empty() ? nullptr : memrchr(text.data(), ')', text.size());
  if (open == std::string_view::npos || !last) return std::nullopt;
  const std::size_t close = std::size_t(static_cast<const char*>(last) - text.data());
  if (close < open) return std::nullopt;

  PidStat s;
  if (open < 2 || text[open - 1] != ' ' || !leadingPid(text.substr(0, open - 1), s.pid)) return std::nullopt;
  s.comm = text.substr(open + 1, close - open - 1);
  // One pass over the fields, numbered as in proc(5): the state is field 3, rss field 24. This
  // runs for every process every tick, so it neither splits nor allocates.
  const char* p = text.data() + close + 1;
  const char* const end = text.data() + text.size();
  std::int64_t rss = 0;
  for (int field = 3; field <= 24; ++field) {
    if (p == end || *p != ' ') return std::nullopt;
    ++p;
    bool ok = true;
    switch (field) {
      case 3:
        ok = p + 1 < end && p[1] == ' ';
        if (ok) s.state = *p++;
        break;
      case 4: ok = number(p, end, s.ppid); break;
      case 9: ok = number(p, end, s.flags); break;
      case 14: ok = number(p, end, s.utime); break;
      case 15: ok = number(p, end, s.stime); break;
      case 22: ok = number(p, end, s.startTime); break;
      case 24: ok = number(p, end, rss); break;
      default:
        while (p != end && *p != ' ' && *p != '\n') ++p;
    }
    if (!ok) return std::nullopt;
  }
  s.rss = rss > 0 ? std::uint64_t(rss) : 0;
  return s;
}

}  // namespace qel
