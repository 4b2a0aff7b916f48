#pragma once
// /proc/[pid]/statm: seven page counts on one line. Its resident count is the one ps, top and
// the status file's VmRSS show; the rss field of the stat file may lag it, as it leaves out what
// each CPU has counted but not yet handed on.
#include <cstdint>
#include <optional>
#include <string_view>

namespace qel {

// The resident pages (the second count); absent when the text doesn't start with two counts.
std::optional<std::uint64_t> parseStatmResident(std::string_view text);

}  // namespace qel
