#pragma once
// /proc/[pid]/status: "Key:\tvalue" lines; the owner is read from it, and where it is read
// anyway, the resident size (its VmRSS is statm's resident count, in kilobytes).
#include <cstdint>
#include <optional>
#include <string_view>

namespace qel {

// The real user id from the "Uid:" line; absent when the line is missing or malformed.
std::optional<std::uint32_t> parseStatusUid(std::string_view text);
// The resident size in kilobytes from the "VmRSS:" line; absent when the line is missing or
// malformed (a kernel thread's or a zombie's status has none).
std::optional<std::uint64_t> parseStatusResidentKiB(std::string_view text);

}  // namespace qel
