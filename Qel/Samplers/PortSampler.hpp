#pragma once
// The listening TCP and UDP ports of the user's processes, from lsof's field output. Blocks
// for the two lsof runs: call it off the main thread (the store uses "qel.readers").
//
// Run as root it may also be given the kernel's socket tables: lsof names only the sockets whose
// owner it finds among the processes it can see, and an owner in another pid namespace (a
// container, a sandbox) is not among them. Such a socket still listens, so it is listed, with its
// owner where a process's descriptors lead to it and as no one (pid 0, no command) where none do.
#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Qel/Platform/Proc/SysRoot.hpp"
#include "Qel/Samplers/PortEntry.hpp"

namespace qel {

class PortSampler {
 public:
  // lsof is /usr/bin/lsof on Debian and /usr/sbin/lsof elsewhere; "" when neither exists.
  static std::string defaultLsofPath();
  // lsof can hang in the kernel on a dead network mount: a run that takes longer is killed.
  static constexpr std::chrono::milliseconds kTimeout{5000};

  explicit PortSampler(std::string lsofPath = defaultLsofPath(), std::chrono::milliseconds timeout = kTimeout,
                       std::optional<SysRoot> kernel = std::nullopt);
  // What root runs: lsof, completed from the kernel's tables under `kernel`.
  static PortSampler everySocket(SysRoot kernel = {}) { return PortSampler(defaultLsofPath(), kTimeout, std::move(kernel)); }

  // The listening sockets sorted by port, protocol and pid; absent when lsof can't be run.
  std::optional<std::vector<PortEntry>> sample() const;

  // One run's `-F pcPn` output to entries, in the order of the output. With `listenOnly`
  // sockets on port 0 are left out. Total: lines that don't fit are skipped one by one.
  static std::vector<PortEntry> parse(std::string_view text, bool listenOnly);

 private:
  // lsof's output, or nothing when it could not be run to its end.
  std::optional<std::string> run(const std::vector<std::string>& args) const;

  // Appends the kernel's listening sockets on a protocol and port lsof listed nothing on.
  void addUnlisted(std::vector<PortEntry>& entries) const;

  std::string lsof_;
  std::chrono::milliseconds timeout_;
  std::optional<SysRoot> kernel_;
};

}  // namespace qel
