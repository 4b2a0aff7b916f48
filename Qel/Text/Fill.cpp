#include "Qel/Text/Fill.hpp"

#include "Qel/Text/Utf8.hpp"

namespace qel {

std::string fill(std::string_view format, const std::vector<std::string>& args) {
  if (args.empty()) return std::string(format);
  const bool positional = format.find("$@") != std::string_view::npos;
  std::string out;
  out.reserve(format.size() + 16 * args.size());
  std::size_t next = 0;  // the next sequential argument
  std::size_t i = 0;
  while (i < format.size()) {
    const char c = format[i];
    if (c != '%' || i + 1 >= format.size()) {
      out += c;
      ++i;
      continue;
    }
    if (!positional) {
      if (format[i + 1] == '@') {
        if (next < args.size()) out += displayName(args[next]);
        ++next;
        i += 2;
      } else {
        out += c;
        ++i;
      }
      continue;
    }
    // "%N$@": digits, then "$@".
    std::size_t j = i + 1;
    std::size_t n = 0;
    bool overflow = false;
    while (j < format.size() && format[j] >= '0' && format[j] <= '9') {
      if (n > 1'000'000) overflow = true;
      else n = n * 10 + std::size_t(format[j] - '0');
      ++j;
    }
    const bool isPlaceholder = j > i + 1 && j + 1 < format.size() && format[j] == '$' && format[j + 1] == '@';
    if (isPlaceholder && !overflow && n >= 1 && n <= args.size()) {
      out += displayName(args[n - 1]);
      i = j + 2;
    } else {
      out += c;
      ++i;
    }
  }
  return out;
}

}  // namespace qel
