#pragma once
// Keeps a damaged file for the user instead of deleting it: renames it to
// "<name>.broken-<yyyyMMdd-HHmmss>" (with "-2", "-3", ... when that name is taken).
#include <filesystem>
#include <optional>

namespace qel {

// The new path, or nothing when the rename failed.
std::optional<std::filesystem::path> moveAside(const std::filesystem::path& file);

}  // namespace qel
