#include "Qel/Text/Fill.hpp"

#include <algorithm>
#include <optional>

#include "Qel/Platform/Utf8.hpp"

namespace qel {
namespace {

// The conversions of a format: plain "%@", numbered "%N$@" (the numbers), "%.Nf" (as written) and
// the count "%n". A "%" followed by anything else is text ("50%", "%@%").
struct Conversions {
  std::size_t plain = 0;
  std::size_t counts = 0;
  std::vector<std::size_t> numbered;
  std::vector<std::string> numbers;
};

Conversions conversionsOf(std::string_view format) {
  Conversions out;
  for (std::size_t i = 0; i + 1 < format.size(); ++i) {
    if (format[i] != '%') continue;
    if (format[i + 1] == '@' || format[i + 1] == 'n') {
      ++(format[i + 1] == '@' ? out.plain : out.counts);
      ++i;
      continue;
    }
    std::size_t j = i + 1;
    const bool dot = format[j] == '.';
    if (dot) ++j;
    std::size_t n = 0;
    const std::size_t digits = j;
    while (j < format.size() && format[j] >= '0' && format[j] <= '9') {
      n = std::min<std::size_t>(n * 10 + std::size_t(format[j] - '0'), 1'000'000);
      ++j;
    }
    if (j == digits) continue;
    if (!dot && format.substr(j).starts_with("$@")) {
      out.numbered.push_back(n);
      i = j + 1;
    } else if (dot && j < format.size() && format[j] == 'f') {
      out.numbers.emplace_back(format.substr(i, j + 1 - i));
      i = j;
    }
  }
  std::sort(out.numbered.begin(), out.numbered.end());
  std::sort(out.numbers.begin(), out.numbers.end());
  return out;
}

// How many values a format takes, or none when its placeholders can't all be filled: numbered
// ones must be 1..N each once, with no plain one beside them (fill would show it as written).
std::optional<std::size_t> valueCount(const Conversions& c) {
  if (c.numbered.empty()) return c.plain;
  if (c.plain != 0) return std::nullopt;
  for (std::size_t k = 0; k < c.numbered.size(); ++k)
    if (c.numbered[k] != k + 1) return std::nullopt;
  return c.numbered.size();
}

}  // namespace

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

bool sameConversions(std::string_view key, std::string_view translation) {
  const Conversions k = conversionsOf(key);
  const Conversions t = conversionsOf(translation);
  const auto values = valueCount(k);
  return values && valueCount(t) == values && k.numbers == t.numbers && k.counts == t.counts;
}

}  // namespace qel
