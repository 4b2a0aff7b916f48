#pragma once
// The service usually behind a well-known port, for the ports list's second line.
#include <cstdint>
#include <map>

namespace qel::PortHints {

// Port number → English description (also the localisation key); built once, then read-only.
const std::map<std::int64_t, const char*>& table();

// The localisation key describing `port`, or null when it isn't well known: the view words it.
const char* describe(std::int64_t port);

}  // namespace qel::PortHints
