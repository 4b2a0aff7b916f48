#include "Qel/Platform/Proc/ProcPidEnviron.hpp"

namespace qel {

std::optional<std::string_view> environValue(std::string_view text, std::string_view name) {
  while (!text.empty()) {
    const auto nul = text.find('\0');
    const std::string_view entry = text.substr(0, nul);
    text.remove_prefix(nul == std::string_view::npos ? text.size() : nul + 1);
    if (entry.size() > name.size() && entry.starts_with(name) && entry[name.size()] == '=')
      return entry.substr(name.size() + 1);
  }
  return std::nullopt;
}

}  // namespace qel
