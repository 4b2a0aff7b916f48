#include "Qel/Platform/Net/ProcessTraffic.hpp"

#include <algorithm>
#include <set>
#include <string>

#include "Qel/Platform/Proc/ProcPidFd.hpp"
#include "Qel/Platform/Proc/ProcPidStat.hpp"

namespace qel {
namespace {

std::optional<std::uint64_t> startTime(const SysRoot& root, std::int32_t pid) {
  const auto text = readText(root.proc(std::to_string(pid) + "/stat"), 4096);
  if (!text) return std::nullopt;
  const auto stat = parsePidStat(*text);
  if (!stat) return std::nullopt;
  return stat->startTime;
}

std::uint64_t growth(std::uint64_t now, std::uint64_t before) { return now >= before ? now - before : 0; }

std::uint64_t addSaturating(std::uint64_t a, std::uint64_t b) { return b > ~a ? ~std::uint64_t(0) : a + b; }

}  // namespace

std::optional<std::map<std::int32_t, ProcessBytes>> ProcessTraffic::sample() {
  // Read before the listing: a segment that moves during it shows next time.
  if (!snmp_.isOpen()) snmp_ = KeptFile(options_.root.proc("net/snmp"));
  char text[8192];
  const long n = snmp_.readOnce(text, sizeof text);
  const auto segments = n > 0 ? parseTcpSegments(std::string_view(text, std::size_t(n))) : std::nullopt;
  if (segments && segments == segments_) return living();
  const auto sockets = readTcpSockets();
  if (!sockets) return std::nullopt;
  segments_ = segments;
  return attribute(*sockets);
}

std::map<std::int32_t, ProcessBytes> ProcessTraffic::living() {
  // As a listing would leave them: a process that ended drops out, a new one under its pid starts at 0.
  for (auto it = totals_.begin(); it != totals_.end();) {
    const auto start = startTime(options_.root, it->first);
    if (!start) {
      it = totals_.erase(it);
      continue;
    }
    if (*start != it->second.startTime) it->second = ProcessBytes{.startTime = *start};
    ++it;
  }
  return totals_;
}

ProcessTraffic::Holders ProcessTraffic::findHolders(const std::vector<TcpSocket>& sockets) {
  // Which inodes are wanted, and by whom they are held.
  Holders holders;
  auto& owner = holders.owner;
  std::unordered_map<std::uint64_t, int> missed;
  for (const auto& s : sockets) {
    if (s.inode == 0 || (!options_.includeLocal && s.local)) continue;
    // Missed by two full looks (one may have raced the socket's start): its holder can't be read.
    if (const auto m = missed_.find(s.inode); m != missed_.end() && m->second >= 2) missed.insert(*m);
    else owner.emplace(s.inode, 0);
  }

  pids_.list(holders.live);
  const auto& live = holders.live;
  std::size_t unowned = owner.size();
  std::vector<std::uint64_t> inodes;
  const auto scan = [&](std::int32_t pid) {
    inodes.clear();
    if (unowned == 0 || !readSocketInodes(options_.root, pid, inodes)) return;
    for (const auto inode : inodes) {
      const auto it = owner.find(inode);
      if (it == owner.end() || it->second != 0) continue;  // a shared socket stays with its first holder
      it->second = pid;
      holders.involved.push_back(pid);
      --unowned;
    }
  };
  // Processes that held sockets before most likely hold the new ones: look at them first and
  // stop as soon as every socket has its holder.
  for (const auto& [pid, bytes] : totals_)
    if (holders.alive(pid)) scan(pid);
  for (const auto pid : live)
    if (!totals_.contains(pid)) scan(pid);

  // Every process was looked at when some socket is still without a holder.
  for (const auto& [inode, pid] : owner)
    if (pid == 0) missed[inode] = missed_.contains(inode) ? missed_[inode] + 1 : 1;
  missed_ = std::move(missed);
  return holders;
}

std::map<std::int32_t, ProcessBytes> ProcessTraffic::carriedTotals(const Holders& holders) const {
  // Each process keeps its running total while it lives; a new process under an old pid starts at 0.
  std::set<std::int32_t> involved(holders.involved.begin(), holders.involved.end());
  for (const auto& [pid, bytes] : totals_)
    if (holders.alive(pid)) involved.insert(pid);
  std::map<std::int32_t, ProcessBytes> next;
  for (const auto pid : involved) {
    const auto start = startTime(options_.root, pid);
    if (!start) continue;
    const auto old = totals_.find(pid);
    next[pid] =
        old != totals_.end() && old->second.startTime == *start ? old->second : ProcessBytes{.startTime = *start};
  }
  return next;
}

void ProcessTraffic::addGrowth(const std::vector<TcpSocket>& sockets, const Holders& holders,
                               std::map<std::int32_t, ProcessBytes>& totals) {
  std::unordered_map<std::uint64_t, Seen> seen;
  for (const auto& s : sockets) {
    const std::uint64_t key = s.cookie ? s.cookie : s.inode;
    const auto before = sockets_.find(key);
    // A socket is followed from the first time it is given to a process on.
    if (before != sockets_.end()) seen[key] = {s.received, s.acked};
    const auto o = holders.owner.find(s.inode);
    if (o == holders.owner.end() || o->second == 0) continue;
    const auto total = totals.find(o->second);
    if (total == totals.end()) continue;
    seen[key] = {s.received, s.acked};
    // A socket first given to a process brings everything it moved so far.
    const Seen old = before == sockets_.end() ? Seen{} : before->second;
    total->second.in = addSaturating(total->second.in, growth(s.received, old.received));
    total->second.out = addSaturating(total->second.out, growth(s.acked, old.acked));
  }
  sockets_ = std::move(seen);
}

std::map<std::int32_t, ProcessBytes> ProcessTraffic::attribute(const std::vector<TcpSocket>& sockets) {
  const Holders holders = findHolders(sockets);
  auto next = carriedTotals(holders);
  addGrowth(sockets, holders, next);
  totals_ = next;
  return next;
}

}  // namespace qel
