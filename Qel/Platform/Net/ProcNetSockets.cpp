#include "Qel/Platform/Net/ProcNetSockets.hpp"

#include <arpa/inet.h>
#include <netinet/in.h>

#include <array>
#include <charconv>
#include <cstring>
#include <optional>

#include "Qel/Platform/Proc/ProcText.hpp"

namespace qel {
namespace {

// The kernel's states, as the tables write them.
constexpr std::string_view kTcpListen = "0A";
constexpr std::string_view kUnconnected = "07";

std::optional<std::uint32_t> hexWord(std::string_view text) {
  if (text.size() != 8) return std::nullopt;
  std::uint32_t value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
  if (ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// "0100007F:1F90": the address as the kernel's 32-bit words in the machine's own byte order
// (one word for IPv4, four for IPv6), a colon, the port in hex. Absent when it isn't that.
struct Endpoint {
  bool loopback = false;
  std::int64_t port = 0;
};
std::optional<Endpoint> parseEndpoint(std::string_view text) {
  const auto colon = text.find(':');
  if (colon == std::string_view::npos) return std::nullopt;
  const std::string_view address = text.substr(0, colon), portText = text.substr(colon + 1);
  if (portText.empty() || portText.size() > 4) return std::nullopt;
  std::uint32_t port = 0;
  const auto [end, ec] = std::from_chars(portText.data(), portText.data() + portText.size(), port, 16);
  if (ec != std::errc{} || end != portText.data() + portText.size()) return std::nullopt;
  if (address.size() == 8) {
    const auto word = hexWord(address);
    if (!word) return std::nullopt;
    in_addr a4{};
    a4.s_addr = *word;
    return Endpoint{(ntohl(a4.s_addr) >> 24) == 127, port};
  }
  if (address.size() == 32) {
    std::array<std::uint32_t, 4> words{};
    for (std::size_t i = 0; i < words.size(); ++i) {
      const auto word = hexWord(address.substr(8 * i, 8));
      if (!word) return std::nullopt;
      words[i] = *word;
    }
    in6_addr a6{};
    std::memcpy(&a6, words.data(), sizeof a6);
    const bool loopback = IN6_IS_ADDR_LOOPBACK(&a6) || (IN6_IS_ADDR_V4MAPPED(&a6) && a6.s6_addr[12] == 127);
    return Endpoint{loopback, port};
  }
  return std::nullopt;
}

}  // namespace

std::vector<KernelSocket> parseListeningSockets(std::string_view table, std::string_view proto) {
  std::vector<KernelSocket> out;
  const bool tcp = proto == "TCP";
  std::string_view line;
  while (nextLine(table, line)) {
    // sl local_address rem_address st tx_queue:rx_queue tr:tm->when retrnsmt uid timeout inode
    const std::string_view slot = nextField(line);
    if (slot.empty() || !slot.ends_with(':')) continue;  // the heading, or not a row
    const auto local = parseEndpoint(nextField(line));
    const auto remote = parseEndpoint(nextField(line));
    const std::string_view state = nextField(line);
    for (int skip = 0; skip < 5; ++skip) nextField(line);
    const auto inode = parseU64(nextField(line));
    if (!local || !remote || !inode) continue;
    if (tcp ? state != kTcpListen : (state != kUnconnected || local->port == 0 || remote->port != 0)) continue;
    out.push_back({std::string(proto), local->port, !local->loopback, *inode});
  }
  return out;
}

std::vector<KernelSocket> readListeningSockets(const SysRoot& root) {
  std::vector<KernelSocket> out;
  for (const auto& [file, proto] : {std::pair{"net/tcp", "TCP"}, {"net/tcp6", "TCP"}, {"net/udp", "UDP"},
                                    {"net/udp6", "UDP"}}) {
    const auto text = readText(root.proc(file), 16 << 20);
    if (!text) continue;
    auto sockets = parseListeningSockets(*text, proto);
    out.insert(out.end(), sockets.begin(), sockets.end());
  }
  return out;
}

}  // namespace qel
