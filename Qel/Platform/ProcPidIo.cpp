#include "Qel/Platform/ProcPidIo.hpp"

#include <charconv>

namespace qel {

std::optional<PidIo> parsePidIo(std::string_view text) {
  PidIo io;
  bool found = false;
  while (!text.empty()) {
    const auto eol = text.find('\n');
    std::string_view line = text.substr(0, eol);
    text.remove_prefix(eol == std::string_view::npos ? text.size() : eol + 1);
    const auto colon = line.find(':');
    if (colon == std::string_view::npos) continue;
    const std::string_view key = line.substr(0, colon);
    std::uint64_t* target = key == "read_bytes" ? &io.readBytes : key == "write_bytes" ? &io.writeBytes : nullptr;
    if (!target) continue;
    found = true;
    std::string_view value = line.substr(colon + 1);
    while (!value.empty() && value.front() == ' ') value.remove_prefix(1);
    std::uint64_t v = 0;
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), v);
    *target = ec == std::errc() ? v : 0;
  }
  if (!found) return std::nullopt;
  return io;
}

}  // namespace qel
