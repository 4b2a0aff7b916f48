#include "Qel/Platform/Net/SockDiag.hpp"

#include <linux/inet_diag.h>
#include <linux/netlink.h>
#include <linux/rtnetlink.h>
#include <linux/sock_diag.h>
#include <linux/tcp.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstring>

namespace qel {
namespace {

// TCP states as the kernel numbers them (include/net/tcp_states.h).
enum : unsigned { kEstablished = 1, kSynRecv = 3, kTimeWait = 6, kListen = 10, kNewSynRecv = 12 };
constexpr std::uint32_t kDataStates =
    ~((1u << kSynRecv) | (1u << kTimeWait) | (1u << kListen) | (1u << kNewSynRecv)) & 0xfff;

template <class T>
T load(const std::byte* p) {
  T v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

bool isLoopback(std::uint8_t family, const std::uint32_t (&addr)[4]) {
  unsigned char b[16];
  std::memcpy(b, addr, sizeof b);
  if (family == AF_INET) return b[0] == 127;
  static const unsigned char v6Loopback[16] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1};
  static const unsigned char v4Mapped[12] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xff, 0xff};
  return std::memcmp(b, v6Loopback, 16) == 0 || (std::memcmp(b, v4Mapped, 12) == 0 && b[12] == 127);
}

void parseMessage(const std::byte* data, std::size_t len, SockDiagReply& reply) {
  if (len < sizeof(inet_diag_msg)) {
    reply.failed = true;
    return;
  }
  const auto msg = load<inet_diag_msg>(data);
  TcpSocket s;
  s.cookie = std::uint64_t(msg.id.idiag_cookie[0]) | std::uint64_t(msg.id.idiag_cookie[1]) << 32;
  s.inode = msg.idiag_inode;
  const std::size_t addrBytes = msg.idiag_family == AF_INET ? 4 : 16;
  s.local = isLoopback(msg.idiag_family, msg.id.idiag_src) || isLoopback(msg.idiag_family, msg.id.idiag_dst) ||
            std::memcmp(msg.id.idiag_src, msg.id.idiag_dst, addrBytes) == 0;
  for (std::size_t at = NLMSG_ALIGN(sizeof(inet_diag_msg)); at + sizeof(rtattr) <= len;) {
    const auto attr = load<rtattr>(data + at);
    if (attr.rta_len < sizeof(rtattr) || attr.rta_len > len - at) break;
    if (attr.rta_type == INET_DIAG_INFO) {
      // Older kernels send a shorter tcp_info: counters past its end read as 0.
      const std::byte* info = data + at + RTA_LENGTH(0);
      const std::size_t size = attr.rta_len - RTA_LENGTH(0);
      if (size >= offsetof(tcp_info, tcpi_bytes_acked) + 8)
        s.acked = load<std::uint64_t>(info + offsetof(tcp_info, tcpi_bytes_acked));
      if (size >= offsetof(tcp_info, tcpi_bytes_received) + 8)
        s.received = load<std::uint64_t>(info + offsetof(tcp_info, tcpi_bytes_received));
    }
    at += RTA_ALIGN(attr.rta_len);
  }
  reply.sockets.push_back(s);
}

}  // namespace

void parseSockDiag(std::span<const std::byte> datagram, SockDiagReply& reply) {
  std::size_t at = 0;
  while (at + sizeof(nlmsghdr) <= datagram.size()) {
    const auto header = load<nlmsghdr>(datagram.data() + at);
    if (header.nlmsg_len < sizeof(nlmsghdr) || header.nlmsg_len > datagram.size() - at) {
      reply.failed = true;
      return;
    }
    if (header.nlmsg_type == NLMSG_DONE) {
      reply.done = true;
      return;
    }
    if (header.nlmsg_type == NLMSG_ERROR) {
      reply.failed = true;
      return;
    }
    if (header.nlmsg_type == SOCK_DIAG_BY_FAMILY || header.nlmsg_type == TCPDIAG_GETSOCK)
      parseMessage(datagram.data() + at + NLMSG_HDRLEN, header.nlmsg_len - NLMSG_HDRLEN, reply);
    at += NLMSG_ALIGN(header.nlmsg_len);
  }
}

std::optional<std::vector<TcpSocket>> readTcpSockets() {
  const int fd = ::socket(AF_NETLINK, SOCK_DGRAM | SOCK_CLOEXEC, NETLINK_SOCK_DIAG);
  if (fd < 0) return std::nullopt;
  timeval timeout{.tv_sec = 2, .tv_usec = 0};  // a dump never takes long; never hang on one
  setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);

  // The older form of the request asks for both address families at once. The kernel walks its
  // whole table of connected sockets for each request, however few there are: one walk, not two.
  struct {
    nlmsghdr header;
    inet_diag_req request;
  } message{};
  message.header.nlmsg_len = sizeof message;
  message.header.nlmsg_type = TCPDIAG_GETSOCK;
  message.header.nlmsg_flags = NLM_F_REQUEST | NLM_F_DUMP;
  message.request.idiag_states = kDataStates;
  message.request.idiag_ext = 1 << (INET_DIAG_INFO - 1);
  sockaddr_nl kernel{.nl_family = AF_NETLINK, .nl_pad = 0, .nl_pid = 0, .nl_groups = 0};
  SockDiagReply reply;
  if (::sendto(fd, &message, sizeof message, 0, reinterpret_cast<sockaddr*>(&kernel), sizeof kernel) < 0) {
    ::close(fd);
    return std::nullopt;
  }
  std::vector<std::byte> buffer(64 * 1024);
  while (!reply.done && !reply.failed) {
    const ssize_t n = ::recv(fd, buffer.data(), buffer.size(), MSG_TRUNC);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0 || std::size_t(n) > buffer.size()) {
      reply.failed = true;
      break;
    }
    parseSockDiag(std::span(buffer.data(), std::size_t(n)), reply);
  }
  ::close(fd);
  if (reply.failed) return std::nullopt;
  return std::move(reply.sockets);
}

}  // namespace qel
