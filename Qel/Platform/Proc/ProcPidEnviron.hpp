#pragma once
// /proc/[pid]/environ: the start-up environment as NUL-separated "NAME=value" strings.
// Readable only for the user's own processes.
#include <optional>
#include <string_view>

namespace qel {

// The value of `name` (pointing into `text`), or absent.
std::optional<std::string_view> environValue(std::string_view text, std::string_view name);

}  // namespace qel
