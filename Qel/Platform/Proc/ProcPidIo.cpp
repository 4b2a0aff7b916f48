#include "Qel/Platform/Proc/ProcPidIo.hpp"

#include "Qel/Platform/Proc/ProcText.hpp"

namespace qel {

std::optional<PidIo> parsePidIo(std::string_view text) {
  PidIo io;
  bool found = false;
  std::string_view line;
  while (nextLine(text, line)) {
    const auto colon = line.find(':');
    if (colon == std::string_view::npos) continue;
    const std::string_view key = line.substr(0, colon);
    std::uint64_t* target = key == "read_bytes" ? &io.readBytes : key == "write_bytes" ? &io.writeBytes : nullptr;
    if (!target) continue;
    found = true;
    *target = parseU64(line.substr(colon + 1)).value_or(0);
  }
  if (!found) return std::nullopt;
  return io;
}

}  // namespace qel
