#pragma once
#include <cstdint>
#include <string>

namespace qel {

// One listening socket of one process.
struct PortEntry {
  std::int64_t port = 0;
  std::string proto;      // "TCP" or "UDP", as lsof names it
  std::int32_t pid = 0;   // 0 for a socket whose owner couldn't be found (its command empty)
  std::string command;
  bool open = false;      // reachable from other machines (not bound to loopback only)

  // "TCP-8080-412": the key duplicates are merged under and a row's identity.
  std::string id() const { return proto + "-" + std::to_string(port) + "-" + std::to_string(pid); }

  bool operator==(const PortEntry&) const = default;
};

}  // namespace qel
