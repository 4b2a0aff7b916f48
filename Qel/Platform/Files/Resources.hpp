#pragma once
// Files of Qel/Resources compiled into the program (translation tables, changelog, notices).
#include <optional>
#include <span>
#include <string_view>

namespace qel {

struct EmbeddedFile {
  std::string_view name;  // path relative to Qel/Resources, e.g. "translations/qel_de.qm"
  std::string_view data;
};

std::span<const EmbeddedFile> embeddedFiles();
std::optional<std::string_view> embeddedFile(std::string_view name);

}  // namespace qel
