#pragma once
// Byte counters of the physical network interfaces (Ethernet, Wi-Fi: those with a `device` link
// in /sys/class/net), from their statistics files kept open. Loopback, bridges, tunnels and
// containers' virtual interfaces have no device link and are not counted.
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "Qel/Platform/Proc/CounterReading.hpp"
#include "Qel/Platform/Proc/SysRoot.hpp"

namespace qel {

// Whether /sys/class/net/<name> is a physical interface.
bool isPhysicalInterface(const SysRoot& root, const std::string& name);
// The physical interfaces by name; absent when the interface list can't be read.
std::optional<std::vector<std::string>> physicalInterfaces(const SysRoot& root);

class NetDevReader {
 public:
  explicit NetDevReader(SysRoot root);
  // Received (first) and sent (second) bytes per interface; absent when the interface list
  // can't be read. An interface whose counters can't be read is left out of the reading.
  std::optional<CounterReading> read();

 private:
  struct Interface {
    KeptFile rx, tx;
  };
  bool rescan();

  SysRoot root_;
  std::map<std::string, Interface> interfaces_;
  int untilRescan_ = 0;
  std::string buffer_;
};

}  // namespace qel
