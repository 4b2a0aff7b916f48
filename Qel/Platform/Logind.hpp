#pragma once
// systemd-logind's inhibitor locks (org.freedesktop.login1.Manager.ListInhibitors): who keeps
// the machine from sleeping or idling, and why.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Qel/Platform/DBus.hpp"

namespace qel {

struct Inhibitor {
  std::string what;  // colon-separated: "sleep", "idle", "shutdown", "handle-lid-switch", …
  std::string who, why;
  std::string mode;  // "block" or "delay"
  std::uint32_t uid{}, pid{};
  bool operator==(const Inhibitor&) const = default;
};

// Absent when logind can't be asked or its answer is malformed.
std::optional<std::vector<Inhibitor>> listInhibitors(sd_bus* bus);

}  // namespace qel
