#include "Qel/Platform/Proc/ProcText.hpp"

#include <charconv>

namespace qel {
namespace {
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

template <class T>
std::optional<T> parseWhole(std::string_view text) {
  text = trim(text);
  if (text.empty()) return std::nullopt;
  if (text.front() == '+') text.remove_prefix(1);
  T value{};
  const auto* end = text.data() + text.size();
  const auto r = std::from_chars(text.data(), end, value);
  if (r.ec != std::errc() || r.ptr != end) return std::nullopt;
  return value;
}
}  // namespace

std::string_view trim(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::optional<std::uint64_t> parseU64(std::string_view text) { return parseWhole<std::uint64_t>(text); }
std::optional<std::int64_t> parseI64(std::string_view text) { return parseWhole<std::int64_t>(text); }

bool isPlainName(std::string_view name) {
  return !name.empty() && name != "." && name != ".." && name.find('/') == std::string_view::npos;
}

bool nextLine(std::string_view& text, std::string_view& line) {
  if (text.empty()) return false;
  const auto nl = text.find('\n');
  line = text.substr(0, nl);
  text.remove_prefix(nl == std::string_view::npos ? text.size() : nl + 1);
  return true;
}

std::string_view nextField(std::string_view& line) {
  while (!line.empty() && isBlank(line.front())) line.remove_prefix(1);
  std::size_t n = 0;
  while (n < line.size() && !isBlank(line[n])) ++n;
  const auto field = line.substr(0, n);
  line.remove_prefix(n);
  return field;
}

std::optional<std::uint64_t> checkedMul(std::uint64_t a, std::uint64_t b) {
  std::uint64_t out = 0;
  if (__builtin_mul_overflow(a, b, &out)) return std::nullopt;
  return out;
}

}  // namespace qel
