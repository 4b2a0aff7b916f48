#pragma once
// The service usually behind a well-known port, for the ports list's second line.
#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace qel::PortHints {

// Port number → English description (also the localisation key); built once, then read-only.
const std::map<std::int64_t, std::string>& table();

// The localised description of `port`, or nothing when it isn't well known.
std::optional<std::string> describe(std::int64_t port);

}  // namespace qel::PortHints
