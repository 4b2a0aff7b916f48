#include "Qel/Samplers/PortSampler.hpp"

#include <arpa/inet.h>
#include <netinet/in.h>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <map>
#include <set>
#include <tuple>
#include <unordered_map>

#include "Qel/Platform/Net/ProcNetSockets.hpp"
#include "Qel/Platform/Proc/ProcPidFd.hpp"
#include "Qel/Platform/Proc/ProcPids.hpp"
#include "Qel/Platform/Proc/ProcText.hpp"
#include "Qel/Platform/Runtime/CommandRunner.hpp"
#include "Qel/Platform/Utf8.hpp"
#include "Qel/Samplers/PortOwners.hpp"

namespace qel {
namespace {

// A decimal number made of digits only (no sign, no blanks) within [min, max].
template <class Int>
std::optional<Int> digitsInRange(std::string_view text, Int min, Int max) {
  if (text.empty() || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return std::nullopt;
  Int value{};
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc{} || end != text.data() + text.size() || value < min || value > max) return std::nullopt;
  return value;
}

// Whether a socket bound to `host` is reachable from this machine only: all of 127.0.0.0/8,
// ::1, IPv4-mapped loopback and the name localhost.
bool isLoopback(std::string_view host) {
  if (asciiLower(host) == "localhost") return true;
  if (host.find('\0') != std::string_view::npos) return false;
  if (host.size() >= 2 && host.front() == '[' && host.back() == ']') {
    const std::string inner(host.substr(1, host.size() - 2));
    in6_addr a6{};
    if (inet_pton(AF_INET6, inner.c_str(), &a6) != 1) return false;
    return IN6_IS_ADDR_LOOPBACK(&a6) || (IN6_IS_ADDR_V4MAPPED(&a6) && a6.s6_addr[12] == 127);
  }
  const std::string plain(host);
  in_addr a4{};
  if (inet_pton(AF_INET, plain.c_str(), &a4) != 1) return false;
  return (ntohl(a4.s_addr) >> 24) == 127;
}

const std::vector<std::string> kTcpArgs{"-nP", "-iTCP", "-sTCP:LISTEN", "-F", "pcPn"};
const std::vector<std::string> kUdpArgs{"-nP", "-iUDP", "-F", "pcPn"};

}  // namespace

std::string PortSampler::defaultLsofPath() { return findExecutable({"/usr/bin/lsof", "/usr/sbin/lsof"}); }

PortSampler::PortSampler(std::string lsofPath, std::chrono::milliseconds timeout, std::optional<SysRoot> kernel)
    : lsof_(std::move(lsofPath)), timeout_(timeout), kernel_(std::move(kernel)) {}

std::optional<std::string> PortSampler::run(const std::vector<std::string>& args) const {
  const CommandResult result = runCommand(lsof_, args, {.timeout = timeout_});
  // The exit status says nothing useful: lsof exits 1 when nothing matches. A run that was
  // killed (hung, flooding, crashed) gives no list rather than a partial one.
  if (result.status != CommandResult::Status::exited) return std::nullopt;
  return repairUtf8(result.output);
}

std::vector<PortEntry> PortSampler::parse(std::string_view text, bool listenOnly) {
  std::vector<PortEntry> entries;
  std::int32_t pid = 0;  // 0 until a valid p line: sockets of no known process are skipped
  std::string command, proto;
  std::string_view line;
  while (nextLine(text, line)) {
    if (line.empty()) continue;
    const char tag = line.front();
    const std::string_view value = line.substr(1);
    switch (tag) {
      case 'p':
        // A pid of 0 or below would address a process group if the socket's owner were ended.
        pid = digitsInRange<std::int32_t>(value, 1, INT32_MAX).value_or(0);
        break;
      case 'c':
        command = value;
        break;
      case 'P':
        proto = value;
        break;
      case 'n': {
        if (pid == 0 || value.empty() || value.find("->") != std::string_view::npos) break;
        const auto colon = value.rfind(':');
        if (colon == std::string_view::npos) break;
        const auto port = digitsInRange<std::int64_t>(value.substr(colon + 1), 0, 65535);
        if (!port || (listenOnly && *port == 0)) break;
        entries.push_back({.port = *port, .proto = proto, .pid = pid, .command = command,
                           .open = !isLoopback(value.substr(0, colon))});
        break;
      }
      default:
        break;
    }
  }
  return entries;
}

void PortSampler::addUnlisted(std::vector<PortEntry>& entries) const {
  // lsof merges a process's sockets on one port, so the port is what tells a listed socket:
  // a second owner of a port lsof did list is taken for one it saw.
  std::set<std::pair<std::string, std::int64_t>> listed;
  for (const auto& e : entries) listed.emplace(e.proto, e.port);
  std::vector<KernelSocket> unlisted;
  for (auto& socket : readListeningSockets(*kernel_))
    if (!listed.contains({socket.proto, socket.port})) unlisted.push_back(std::move(socket));
  if (unlisted.empty()) return;

  // Their owners: whichever process of this namespace holds one open.
  std::unordered_map<std::uint64_t, std::int32_t> owners;
  for (const auto& socket : unlisted) owners.emplace(socket.inode, 0);
  std::vector<std::int32_t> pids;
  ProcPids(*kernel_).list(pids);
  std::vector<std::uint64_t> inodes;
  for (const std::int32_t pid : pids) {
    inodes.clear();
    if (!readSocketInodes(*kernel_, pid, inodes)) continue;
    for (const auto inode : inodes)
      if (const auto it = owners.find(inode); it != owners.end() && it->second == 0) it->second = pid;
  }
  for (const auto& socket : unlisted) {
    PortEntry entry{.port = socket.port, .proto = socket.proto, .open = socket.open};
    if (const std::int32_t pid = owners[socket.inode]; pid > 0) {
      if (auto running = readRunningProcess(pid, *kernel_)) {
        entry.pid = pid;
        entry.command = std::move(running->comm);
      }
    }
    entries.push_back(std::move(entry));
  }
}

std::optional<std::vector<PortEntry>> PortSampler::sample() const {
  const auto tcp = run(kTcpArgs);
  if (!tcp) return std::nullopt;
  const auto udp = run(kUdpArgs);

  auto all = parse(*tcp, false);
  auto udpEntries = parse(udp.value_or(""), true);
  all.insert(all.end(), std::make_move_iterator(udpEntries.begin()), std::make_move_iterator(udpEntries.end()));
  if (kernel_) addUnlisted(all);

  // One entry per protocol, port and process; open if any of its sockets is.
  std::map<std::string, PortEntry> merged;
  for (auto& entry : all) {
    auto [it, inserted] = merged.try_emplace(entry.id(), entry);
    if (!inserted && entry.open && !it->second.open) it->second = std::move(entry);
  }
  std::vector<PortEntry> result;
  result.reserve(merged.size());
  for (auto& [id, entry] : merged) result.push_back(std::move(entry));
  std::sort(result.begin(), result.end(), [](const PortEntry& a, const PortEntry& b) {
    return std::tie(a.port, a.proto, a.pid) < std::tie(b.port, b.proto, b.pid);
  });
  return result;
}

}  // namespace qel
