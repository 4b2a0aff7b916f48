#pragma once
// TCP bytes received and sent per process, summed from the kernel's per-socket counters and
// tied to processes through the socket inodes their descriptors point at. Each process's total
// only grows: it adds the positive change of every socket since the previous run, so a socket
// that closes does not make the total drop.
#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <unordered_map>
#include <vector>

#include "Qel/Platform/Net/NetSnmp.hpp"
#include "Qel/Platform/Net/SockDiag.hpp"
#include "Qel/Platform/Proc/ProcPids.hpp"
#include "Qel/Platform/Proc/SysRoot.hpp"

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
  ProcessTraffic() : ProcessTraffic(Options{}) {}
  explicit ProcessTraffic(Options options) : options_(std::move(options)), pids_(options_.root) {}

  // Totals of every live process that has had a TCP socket while it was watched; absent when
  // the sockets can't be listed (nothing changes then). The kernel walks its whole table of
  // connections to list them, however few there are: when its counters show no TCP segment sent
  // or received since the last listing, no socket can have moved a byte, and only the processes
  // that ended meanwhile drop out.
  std::optional<std::map<std::int32_t, ProcessBytes>> sample();
  // The same step from a socket list already read (a recorded dump, for one).
  std::map<std::int32_t, ProcessBytes> attribute(const std::vector<TcpSocket>& sockets);

 private:
  struct Seen {
    std::uint64_t received = 0;
    std::uint64_t acked = 0;
  };
  // The totals of the processes still living, as they were.
  std::map<std::int32_t, ProcessBytes> living();
  // Who holds each wanted socket (0: nobody readable), and the pids alive at the look.
  struct Holders {
    std::unordered_map<std::uint64_t, std::int32_t> owner;
    std::vector<std::int32_t> involved;  // holders found, in the order found
    std::vector<std::int32_t> live;      // sorted
    bool alive(std::int32_t pid) const { return std::binary_search(live.begin(), live.end(), pid); }
  };
  Holders findHolders(const std::vector<TcpSocket>& sockets);
  // The running totals carried on for the holders and the processes still living.
  std::map<std::int32_t, ProcessBytes> carriedTotals(const Holders& holders) const;
  // Adds what each held socket moved since it was last seen to its holder's total.
  void addGrowth(const std::vector<TcpSocket>& sockets, const Holders& holders,
                 std::map<std::int32_t, ProcessBytes>& totals);

  Options options_;
  ProcPids pids_;
  KeptFile snmp_;
  std::optional<TcpSegments> segments_;  // as of the last listing
  std::unordered_map<std::uint64_t, Seen> sockets_;  // by cookie, from the previous run
  // Sockets no readable process was found holding, by how many looks in a row missed them:
  // another user's, or a process this pid namespace doesn't show. Not looked for again.
  std::unordered_map<std::uint64_t, int> missed_;
  std::map<std::int32_t, ProcessBytes> totals_;
};

}  // namespace qel
