#pragma once
// The machine's IPv4 addresses per interface (getifaddrs), in the kernel's list order.
#include <string>
#include <vector>

namespace qel {

struct InterfaceAddress {
  std::string interface;  // "eth0" (an alias label "eth0:1" is reported as its interface)
  std::string address;    // numeric IPv4 text
  bool operator==(const InterfaceAddress&) const = default;
};

// Empty when the list can't be had.
std::vector<InterfaceAddress> ipv4Addresses();

}  // namespace qel
