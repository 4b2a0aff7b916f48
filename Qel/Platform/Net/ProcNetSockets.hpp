#pragma once
// The kernel's own tables of the network namespace's sockets: /proc/net/tcp, tcp6, udp and udp6.
// They list every socket of every user, but name no owner; the inode is what the owner's
// /proc/[pid]/fd links to as "socket:[inode]".
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "Qel/Platform/Proc/SysRoot.hpp"

namespace qel {

struct KernelSocket {
  std::string proto;  // "TCP" or "UDP"
  std::int64_t port = 0;
  bool open = false;  // bound beyond loopback
  std::uint64_t inode = 0;
  bool operator==(const KernelSocket&) const = default;
};

// The sockets of one table that take connections or datagrams from anyone: TCP sockets in the
// listening state, UDP sockets on a port that talk to no one peer. Lines that don't fit are
// skipped one by one.
std::vector<KernelSocket> parseListeningSockets(std::string_view table, std::string_view proto);

// Those of all four tables; a table that can't be read adds none.
std::vector<KernelSocket> readListeningSockets(const SysRoot& root);

}  // namespace qel
