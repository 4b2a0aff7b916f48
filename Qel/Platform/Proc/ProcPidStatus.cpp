#include "Qel/Platform/Proc/ProcPidStatus.hpp"

#include <charconv>

namespace qel {

namespace {

// The number that starts the value of the line `key` ("Uid:").
template <typename T>
std::optional<T> leadingNumber(std::string_view text, std::string_view key) {
  std::size_t at = 0;
  if (!text.starts_with(key)) {
    at = text.find(key);
    while (at != std::string_view::npos && text[at - 1] != '\n') at = text.find(key, at + 1);
    if (at == std::string_view::npos) return std::nullopt;
  }
  at += key.size();
  while (at < text.size() && (text[at] == '\t' || text[at] == ' ')) ++at;
  T value = 0;
  const auto [end, ec] = std::from_chars(text.data() + at, text.data() + text.size(), value);
  if (ec != std::errc()) return std::nullopt;
  return value;
}

}  // namespace

std::optional<std::uint32_t> parseStatusUid(std::string_view text) { return leadingNumber<std::uint32_t>(text, "Uid:"); }

std::optional<std::uint64_t> parseStatusResidentKiB(std::string_view text) {
  return leadingNumber<std::uint64_t>(text, "VmRSS:");
}

}  // namespace qel
