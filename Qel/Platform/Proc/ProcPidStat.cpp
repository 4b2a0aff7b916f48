#include "Qel/Platform/Proc/ProcPidStat.hpp"

#include <bit>
#include <charconv>
#include <cstring>
#include <limits>

namespace qel {
namespace {

// One decimal field at `p` (unsigned, or with a minus for a signed T); false when it is not one or
// does not fit in T. Counted by hand while the digits cannot overflow: this runs for several
// fields of every process every tick, and from_chars costs several times as much.
template <class T>
bool number(const char*& p, const char* end, T& out) {
  const char* const start = p;
  std::uint64_t value = 0;
  int digits = 0;
  while (p != end && static_cast<unsigned char>(*p - '0') < 10 && digits < 19) {
    value = value * 10 + std::uint64_t(*p - '0');
    ++p;
    ++digits;
  }
  const bool ended = p == end || *p == ' ' || *p == '\n';
  const bool plain = digits > 0 && ended && value <= std::uint64_t(std::numeric_limits<T>::max());
  if (plain) {
    out = T(value);
    return true;
  }
  // A sign, or more digits than fit in 63 bits: the careful way.
  p = start;
  const auto [ptr, ec] = std::from_chars(p, end, out);
  if (ec != std::errc() || ptr == p || (ptr != end && *ptr != ' ' && *ptr != '\n')) return false;
  p = ptr;
  return true;
}

// The start of the field after the next `n` blanks from `p` (one blank ends each field); null
// when the text ends first. Eight bytes at a time: the fields between the wanted ones are most of
// what is read.
const char* pastBlanks(const char* p, const char* end, int n) {
  if constexpr (std::endian::native == std::endian::little) {
    constexpr std::uint64_t kLow = 0x7F7F7F7F7F7F7F7FULL, kBlanks = 0x2020202020202020ULL;
    while (end - p >= 8) {
      std::uint64_t word = 0;
      std::memcpy(&word, p, 8);
      const std::uint64_t x = word ^ kBlanks;                             // a blank is a zero byte now
      for (std::uint64_t blanks = ~(((x & kLow) + kLow) | x | kLow); blanks != 0; blanks &= blanks - 1)
        if (--n == 0) return p + std::countr_zero(blanks) / 8 + 1;  // the top bit of each zero byte
      p += 8;
    }
  }
  for (; p != end; ++p)
    if (*p == ' ' && --n == 0) return p + 1;
  return nullptr;
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
  // The wanted fields, numbered as in proc(5): the state is field 3, the faults 10 and 12, rss
  // 24. This runs for every process every tick, so it neither splits nor allocates.
  const char* p = text.data() + close + 1;
  const char* const end = text.data() + text.size();
  if (end - p < 3 || p[0] != ' ' || p[2] != ' ') return std::nullopt;
  s.state = p[1];
  p += 3;
  std::int64_t rss = 0;
  std::uint64_t minor = 0, major = 0;
  // Each number ends at the blank before the next field: the count of blanks to pass is the
  // count of fields from the one just read to the next one wanted.
  const bool ok = number(p, end, s.ppid) && (p = pastBlanks(p, end, 9 - 4)) && number(p, end, s.flags) &&
                  (p = pastBlanks(p, end, 10 - 9)) && number(p, end, minor) && (p = pastBlanks(p, end, 12 - 10)) &&
                  number(p, end, major) && (p = pastBlanks(p, end, 14 - 12)) && number(p, end, s.utime) &&
                  (p = pastBlanks(p, end, 15 - 14)) &&
                  number(p, end, s.stime) && (p = pastBlanks(p, end, 22 - 15)) && number(p, end, s.startTime) &&
                  (p = pastBlanks(p, end, 24 - 22)) && number(p, end, rss);
  if (!ok) return std::nullopt;
  s.faults = minor > ~major ? ~std::uint64_t(0) : minor + major;
  s.rss = rss > 0 ? std::uint64_t(rss) : 0;
  return s;
}

std::int64_t parsePidStatThreads(std::string_view text) {
  const void* last = text.empty() ? nullptr : memrchr(text.data(), ')', text.size());
  if (!last) return 0;
  const char* const end = text.data() + text.size();
  // Field 20 starts after the 18th blank past the name's ")".
  const char* p = pastBlanks(static_cast<const char*>(last) + 1, end, 20 - 2);
  std::int64_t threads = 0;
  return p && number(p, end, threads) && threads > 0 ? threads : 0;
}

}  // namespace qel
