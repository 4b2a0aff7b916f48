#include <gtest/gtest.h>
#include <linux/netlink.h>

#include <cstring>
#include <filesystem>

#include "Qel/Platform/ProcessTraffic.hpp"
#include "Qel/Platform/SockDiag.hpp"
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
  nlmsghdr error{.nlmsg_len = sizeof(nlmsghdr), .nlmsg_type = NLMSG_ERROR, .nlmsg_flags = 0, .nlmsg_seq = 0, .nlmsg_pid = 0};
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

  // A process that is gone is forgotten.
  fs::remove_all(dir / "proc/300");
  EXPECT_FALSE(traffic.attribute({}).contains(300));
}
