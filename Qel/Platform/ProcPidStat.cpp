#include "Qel/Platform/ProcPidStat.hpp"

#include <charconv>

namespace qel {
namespace {

template <class T>
bool number(std::string_view field, T& out) {
  if (field.empty()) return false;
  const auto [end, ec] = std::from_chars(field.data(), field.data() + field.size(), out);
  return ec == std::errc() && end == field.data() + field.size();
}

}  // namespace

std::optional<PidStat> parsePidStat(std::string_view text) {
  const auto open = text.find('(');
  const auto close = text.rfind(')');
  if (open == std::string_view::npos || close == std::string_view::npos || close < open) return std::nullopt;

  PidStat s;
  s.comm = text.substr(open + 1, close - open - 1);
  std::string_view rest = text.substr(close + 1);

  // Fields are numbered as in proc(5): the state is field 3, rss field 24.
  int field = 3;
  std::int64_t rss = 0;
  while (field <= 24) {
    while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
    if (rest.empty() || rest.front() == '\n') return std::nullopt;
    const auto end = rest.find_first_of(" \n");
    const std::string_view f = rest.substr(0, end);
    rest.remove_prefix(f.size());
    bool ok = true;
    switch (field) {
      case 3:
        ok = f.size() == 1;
        s.state = f.front();
        break;
      case 4: ok = number(f, s.ppid); break;
      case 9: ok = number(f, s.flags); break;
      case 14: ok = number(f, s.utime); break;
      case 15: ok = number(f, s.stime); break;
      case 22: ok = number(f, s.startTime); break;
      case 24: ok = number(f, rss); break;
      default: break;
    }
    if (!ok) return std::nullopt;
    ++field;
  }
  s.rss = rss > 0 ? std::uint64_t(rss) : 0;
  return s;
}

}  // namespace qel
