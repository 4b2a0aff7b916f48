#pragma once
// TCP bytes received and sent per process, summed from the kernel's per-socket counters and
// tied to processes through the socket inodes their descriptors point at. Each process's total
// only grows: it adds the positive change of every socket since the previous run, so a socket
// that closes does not make the total drop.
#include <cstdint>
#include <map>
#include <optional>
#include <unordered_map>
#include <vector>

#include "Qel/Platform/SockDiag.hpp"
#include "Qel/Platform/SysRoot.hpp"

namespace qel {

struct ProcessBytes {
  std::uint64_t startTime = 0;  // with the pid, the process's identity
  std::uint64_t in = 0;
  std::uint64_t out = 0;
  bool operator==(const ProcessBytes&) const = default;
};

class ProcessTraffic {
 public:
  struct Options {
    SysRoot root;
    bool includeLocal = false;  // traffic that never leaves the machine (loopback) counts too
  };
  ProcessTraffic() = default;
  explicit ProcessTraffic(Options options) : options_(std::move(options)) {}

  // Totals of every live process that has had a TCP socket while it was watched; absent when
  // the sockets can't be listed (nothing changes then).
  std::optional<std::map<std::int32_t, ProcessBytes>> sample();
  // The same step from a socket list already read (a recorded dump, for one).
  std::map<std::int32_t, ProcessBytes> attribute(const std::vector<TcpSocket>& sockets);

 private:
  struct Seen {
    std::uint64_t received = 0;
    std::uint64_t acked = 0;
  };
  Options options_;
  std::unordered_map<std::uint64_t, Seen> sockets_;  // by cookie, from the previous run
  std::map<std::int32_t, ProcessBytes> totals_;
};

}  // namespace qel
