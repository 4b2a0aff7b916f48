#pragma once
// The kernel's TCP sockets with their byte counters, through the sock_diag netlink interface
// (what `ss -ti` shows), without starting a process.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace qel {

struct TcpSocket {
  std::uint64_t cookie = 0;    // the kernel's id of the socket, never reused while it runs
  std::uint64_t inode = 0;     // what /proc/[pid]/fd links to as "socket:[inode]"
  bool local = false;          // both ends on this machine (loopback, or one address talking to itself)
  std::uint64_t received = 0;  // bytes received (tcpi_bytes_received)
  std::uint64_t acked = 0;     // bytes sent and acknowledged (tcpi_bytes_acked)
  bool operator==(const TcpSocket&) const = default;
};

struct SockDiagReply {
  std::vector<TcpSocket> sockets;
  bool done = false;    // the dump's end was seen
  bool failed = false;  // the kernel answered with an error, or a message was malformed
};

// Adds the sockets of one received netlink datagram (one or more messages) to `reply`.
void parseSockDiag(std::span<const std::byte> datagram, SockDiagReply& reply);

// Every IPv4 and IPv6 TCP socket that can carry data (not listening, not in TIME_WAIT); absent
// when the dump can't be had.
std::optional<std::vector<TcpSocket>> readTcpSockets();

}  // namespace qel
