#include "Qel/Platform/Proc/ProcPidStatus.hpp"

#include <charconv>

namespace qel {

std::optional<std::uint32_t> parseStatusUid(std::string_view text) {
  std::size_t at = text.starts_with("Uid:") ? 0 : text.find("\nUid:");
  if (at == std::string_view::npos) return std::nullopt;
  at += text[at] == '\n' ? 5 : 4;
  while (at < text.size() && (text[at] == '\t' || text[at] == ' ')) ++at;
  std::uint32_t uid = 0;
  const auto [end, ec] = std::from_chars(text.data() + at, text.data() + text.size(), uid);
  if (ec != std::errc()) return std::nullopt;
  return uid;
}

}  // namespace qel
