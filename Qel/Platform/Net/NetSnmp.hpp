#pragma once
// /proc/net/snmp: the network stack's counters, each protocol as a line of names and a line of
// values ("Tcp: ... InSegs OutSegs ..." then "Tcp: ... 73479 72195 ..."). IPv6 TCP counts in
// the same Tcp lines.
#include <cstdint>
#include <optional>
#include <string_view>

namespace qel {

struct TcpSegments {
  std::uint64_t in = 0;   // InSegs: segments received
  std::uint64_t out = 0;  // OutSegs: segments sent
  bool operator==(const TcpSegments&) const = default;
};

// The TCP segment counters; absent when the text has no well-formed Tcp lines with both.
std::optional<TcpSegments> parseTcpSegments(std::string_view snmp);

}  // namespace qel
