#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <linux/netlink.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "Qel/Platform/Net/NetSnmp.hpp"
#include "Qel/Platform/Net/ProcessTraffic.hpp"
#include "Qel/Platform/Net/SockDiag.hpp"
#include "tests/support/TempDir.hpp"

using namespace qel;
namespace fs = std::filesystem;

namespace {

std::vector<std::byte> recorded() {
  const std::string text = test::readFile(fs::path(QEL_FIXTURES) / "sockdiag/loopback-v4.bin");
  std::vector<std::byte> bytes(text.size());
  std::memcpy(bytes.data(), text.data(), text.size());
  return bytes;
}

const fs::path kTrafficTree = fs::path(QEL_FIXTURES) / "proc-traffic";

// A connected pair over the loopback of `family`: the client's and the server's ends, -1 each
// when the family can't be had here.
std::pair<int, int> loopbackPair(int family) {
  sockaddr_storage at{};
  socklen_t length = 0;
  if (family == AF_INET) {
    auto& a = reinterpret_cast<sockaddr_in&>(at);
    a = {.sin_family = AF_INET, .sin_port = 0, .sin_addr = {htonl(INADDR_LOOPBACK)}, .sin_zero = {}};
    length = sizeof a;
  } else {
    auto& a = reinterpret_cast<sockaddr_in6&>(at);
    a.sin6_family = AF_INET6;
    a.sin6_addr = in6addr_loopback;
    length = sizeof a;
  }
  const int server = socket(family, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (server < 0 || bind(server, reinterpret_cast<sockaddr*>(&at), length) != 0 || listen(server, 1) != 0 ||
      getsockname(server, reinterpret_cast<sockaddr*>(&at), &length) != 0) {
    if (server >= 0) close(server);
    return {-1, -1};
  }
  const int client = socket(family, SOCK_STREAM | SOCK_CLOEXEC, 0);
  const bool connected = client >= 0 && connect(client, reinterpret_cast<sockaddr*>(&at), length) == 0;
  const int accepted = connected ? accept4(server, nullptr, nullptr, SOCK_CLOEXEC) : -1;
  close(server);
  if (accepted < 0) {
    if (client >= 0) close(client);
    return {-1, -1};
  }
  return {client, accepted};
}

std::uint64_t inodeOf(int fd) {
  struct stat st {};
  return fstat(fd, &st) == 0 ? st.st_ino : 0;
}

}  // namespace

TEST(SockDiag, parsesARecordedDump) {
  SockDiagReply reply;
  parseSockDiag(recorded(), reply);
  EXPECT_TRUE(reply.done);
  EXPECT_FALSE(reply.failed);
  ASSERT_EQ(reply.sockets.size(), 2u);
  std::map<std::uint64_t, TcpSocket> byInode;
  for (const auto& s : reply.sockets) byInode[s.inode] = s;
  // The figures `ss -tinH` showed for the same two sockets.
  EXPECT_EQ(byInode.at(58977).acked, 100001u);
  EXPECT_EQ(byInode.at(58977).received, 5u);
  EXPECT_EQ(byInode.at(58978).acked, 5u);
  EXPECT_EQ(byInode.at(58978).received, 100000u);
  EXPECT_TRUE(byInode.at(58977).local);
  EXPECT_NE(byInode.at(58977).cookie, byInode.at(58978).cookie);
}

TEST(SockDiag, cutOrBrokenDatagramsNeverReadPastTheirEnd) {
  const auto whole = recorded();
  for (std::size_t n = 0; n < whole.size(); ++n) {
    // Exactly sized copies, so the address sanitizer sees any read past the end.
    std::vector<std::byte> cut(whole.begin(), whole.begin() + std::ptrdiff_t(n));
    SockDiagReply reply;
    parseSockDiag(cut, reply);
    EXPECT_FALSE(reply.done) << n;
    EXPECT_LE(reply.sockets.size(), 2u);
  }
  // An error answer, and a header claiming more than there is.
  nlmsghdr error{
      .nlmsg_len = sizeof(nlmsghdr), .nlmsg_type = NLMSG_ERROR, .nlmsg_flags = 0, .nlmsg_seq = 0, .nlmsg_pid = 0};
  SockDiagReply reply;
  parseSockDiag(std::as_bytes(std::span(&error, 1)), reply);
  EXPECT_TRUE(reply.failed);
  nlmsghdr huge = error;
  huge.nlmsg_type = 20;
  huge.nlmsg_len = 4096;
  SockDiagReply second;
  parseSockDiag(std::as_bytes(std::span(&huge, 1)), second);
  EXPECT_TRUE(second.failed);
  EXPECT_TRUE(second.sockets.empty());
}

TEST(ProcessTraffic, givesRecordedSocketsToTheirProcesses) {
  SockDiagReply reply;
  parseSockDiag(recorded(), reply);

  // Loopback traffic never leaves the machine: left out unless asked for.
  EXPECT_TRUE(ProcessTraffic({.root = {kTrafficTree}}).attribute(reply.sockets).empty());

  ProcessTraffic traffic({.root = {kTrafficTree}, .includeLocal = true});
  const auto totals = traffic.attribute(reply.sockets);
  // 303 holds the server's socket too (inherited); it stays with the first holder.
  EXPECT_EQ(totals, (std::map<std::int32_t, ProcessBytes>{{300, {.startTime = 4000, .in = 5, .out = 100001}},
                                                          {301, {.startTime = 4100, .in = 100000, .out = 5}}}));
}

TEST(ProcessTraffic, totalsOnlyGrowAndEndWithTheProcess) {
  test::TempDir dir;
  fs::copy(kTrafficTree, dir.path(), fs::copy_options::recursive | fs::copy_options::copy_symlinks);
  ProcessTraffic traffic({.root = {dir.path()}, .includeLocal = true});
  const auto sock = [](std::uint64_t cookie, std::uint64_t inode, std::uint64_t in, std::uint64_t out) {
    return TcpSocket{.cookie = cookie, .inode = inode, .local = true, .received = in, .acked = out};
  };
  // 300 has one socket that moved 1000/10; it then moves more, closes, and a new one opens.
  EXPECT_EQ(traffic.attribute({sock(1, 58977, 1000, 10)}).at(300), (ProcessBytes{4000, 1000, 10}));
  EXPECT_EQ(traffic.attribute({sock(1, 58977, 1500, 30)}).at(300), (ProcessBytes{4000, 1500, 30}));
  EXPECT_EQ(traffic.attribute({}).at(300), (ProcessBytes{4000, 1500, 30}));  // closed: no drop
  fs::create_symlink("socket:[70000]", dir / "proc/300/fd/7");
  EXPECT_EQ(traffic.attribute({sock(2, 70000, 200, 0)}).at(300), (ProcessBytes{4000, 1700, 30}));

  // A new process under pid 300 starts from nothing.
  dir.write("proc/300/stat", "300 (client) S 1 300 300 0 -1 4194304 0 0 0 0 1 1 0 0 20 0 1 0 9000 0 10 0 0\n");
  EXPECT_EQ(traffic.attribute({sock(2, 70000, 250, 0)}).at(300), (ProcessBytes{9000, 50, 0}));
  // And so does one that takes the pid over while holding no socket: the old total isn't carried.
  fs::remove(dir / "proc/300/fd/7");
  dir.write("proc/300/stat", "300 (client) S 1 300 300 0 -1 4194304 0 0 0 0 1 1 0 0 20 0 1 0 9500 0 10 0 0\n");
  EXPECT_EQ(traffic.attribute({}).at(300), (ProcessBytes{9500, 0, 0}));

  // A process that is gone is forgotten.
  fs::remove_all(dir / "proc/300");
  EXPECT_FALSE(traffic.attribute({}).contains(300));
}

TEST(SockDiag, listsTheMachinesConnectionsOfBothAddressFamilies) {
  std::vector<std::uint64_t> wanted;
  std::vector<int> open;
  for (const int family : {AF_INET, AF_INET6}) {
    const auto [client, server] = loopbackPair(family);
    if (client < 0) continue;  // no IPv6 here
    open.insert(open.end(), {client, server});
    wanted.insert(wanted.end(), {inodeOf(client), inodeOf(server)});
  }
  ASSERT_GE(wanted.size(), 2u) << "no loopback connection could be made";
  const auto sockets = readTcpSockets();
  for (const int fd : open) close(fd);
  ASSERT_TRUE(sockets.has_value()) << "the sockets can't be listed here";
  for (const auto inode : wanted) {
    const auto found =
        std::find_if(sockets->begin(), sockets->end(), [inode](const TcpSocket& s) { return s.inode == inode; });
    ASSERT_NE(found, sockets->end()) << inode;
    EXPECT_TRUE(found->local);
  }
}

TEST(NetSnmp, readsTheTcpSegmentCounters) {
  const std::string_view snmp =
      "Ip: Forwarding DefaultTTL InReceives\nIp: 1 64 311\n"
      "Tcp: RtoAlgorithm RtoMin RtoMax MaxConn ActiveOpens PassiveOpens AttemptFails EstabResets CurrEstab InSegs "
      "OutSegs RetransSegs InErrs OutRsts InCsumErrors\n"
      "Tcp: 1 200 120000 -1 1361 1083 264 103 0 73479 72195 67 0 327 0\n"
      "Udp: InDatagrams NoPorts\nUdp: 5 6\n";
  EXPECT_EQ(parseTcpSegments(snmp), (TcpSegments{73479, 72195}));
  EXPECT_EQ(parseTcpSegments("Tcp: InSegs OutSegs\nTcp: 5 x\n"), std::nullopt);
  EXPECT_EQ(parseTcpSegments("Tcp: InSegs OutSegs\n"), std::nullopt);  // cut after the names
  EXPECT_EQ(parseTcpSegments("Tcp: InSegs\nTcp: 5\n"), std::nullopt);
  EXPECT_EQ(parseTcpSegments(""), std::nullopt);
}

TEST(ProcessTraffic, aSocketWhoseHolderShowsLateIsStillCounted) {
  test::TempDir dir;
  fs::copy(kTrafficTree, dir.path(), fs::copy_options::recursive | fs::copy_options::copy_symlinks);
  ProcessTraffic traffic({.root = {dir.path()}, .includeLocal = true});
  const TcpSocket socket{.cookie = 9, .inode = 80000, .local = true, .received = 700, .acked = 7};
  // Nobody holds it at the first look (its process started after the listing).
  EXPECT_TRUE(traffic.attribute({socket}).empty());
  fs::create_symlink("socket:[80000]", dir / "proc/301/fd/9");
  EXPECT_EQ(traffic.attribute({socket}).at(301), (ProcessBytes{4100, 700, 7}));
}

TEST(ProcessTraffic, withNoSegmentMovedTheTotalsStayWithTheirProcesses) {
  test::TempDir dir;
  fs::copy(kTrafficTree, dir.path(), fs::copy_options::recursive | fs::copy_options::copy_symlinks);
  dir.write("proc/net/snmp", "Tcp: InSegs OutSegs\nTcp: 10 20\n");
  ProcessTraffic traffic({.root = {dir.path()}, .includeLocal = true});
  if (!traffic.sample()) GTEST_SKIP() << "the sockets can't be listed here";
  SockDiagReply reply;
  parseSockDiag(recorded(), reply);
  const auto totals = traffic.attribute(reply.sockets);
  ASSERT_TRUE(totals.contains(300) && totals.contains(301));
  // The counters stand still: the same totals, less the process that ended.
  fs::remove_all(dir / "proc/301");
  const auto still = traffic.sample();
  ASSERT_TRUE(still.has_value());
  EXPECT_EQ(*still, (std::map<std::int32_t, ProcessBytes>{{300, totals.at(300)}}));
  // A new process under 300 starts from nothing.
  dir.write("proc/300/stat", "300 (client) S 1 300 300 0 -1 4194304 0 0 0 0 1 1 0 0 20 0 1 0 9000 0 10 0 0\n");
  EXPECT_EQ(traffic.sample(), (std::map<std::int32_t, ProcessBytes>{{300, {.startTime = 9000}}}));
}
