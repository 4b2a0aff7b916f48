#include "Qel/Platform/Files/Resources.hpp"

namespace qel {

std::optional<std::string_view> embeddedFile(std::string_view name) {
  for (const auto& f : embeddedFiles())
    if (f.name == name) return f.data;
  return std::nullopt;
}

}  // namespace qel
