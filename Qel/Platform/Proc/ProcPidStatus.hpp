#pragma once
// /proc/[pid]/status: "Key:\tvalue" lines; only the owner is read from it, once per process.
#include <cstdint>
#include <optional>
#include <string_view>

namespace qel {

// The real user id from the "Uid:" line; absent when the line is missing or malformed.
std::optional<std::uint32_t> parseStatusUid(std::string_view text);

}  // namespace qel
