// The kernel's socket tables: which of their rows are sockets anyone may reach.
#include <gtest/gtest.h>

#include "Qel/Platform/Net/ProcNetSockets.hpp"

using namespace qel;

TEST(ProcNetSockets, keepsTheListenersOfEachTable) {
  // Recorded rows: listeners on all, loopback and one address; a connection and a TIME_WAIT on
  // TCP; IPv6 loopback and mapped IPv4 loopback; UDP bound, connected and unbound.
  const std::vector<KernelSocket> expected{
      {"TCP", 2024, true, 1122}, {"TCP", 3000, false, 2001}, {"TCP", 5432, true, 2003},
      {"TCP", 8443, true, 4001}, {"TCP", 8080, false, 4002}, {"TCP", 8081, false, 4003},
      {"UDP", 5353, true, 5001}, {"UDP", 53, false, 5002},
  };
  EXPECT_EQ(readListeningSockets(SysRoot{QEL_FIXTURES "/proc-ports"}), expected);
  EXPECT_EQ(readListeningSockets(SysRoot{QEL_FIXTURES "/no-such-tree"}), std::vector<KernelSocket>{});
}

TEST(ProcNetSockets, skipsRowsThatDontFit) {
  const char* tail = " 00000000:00000000 00:00000000 00000000     0        0 77 1 0000000000000000 100 0 0 10 0\n";
  const auto row = [&](const std::string& front) { return "   0: " + front + tail; };
  const struct {
    const char* what;
    std::string text;
  } cases[] = {
      {"no slot", "00000000:0050 00000000:0000 0A" + std::string(tail)},
      {"an address of seven digits", row("0000000:0050 00000000:0000 0A")},
      {"an address that is not hex", row("0000000G:0050 00000000:0000 0A")},
      {"a port of five digits", row("00000000:10050 00000000:0000 0A")},
      {"no port", row("00000000: 00000000:0000 0A")},
      {"no remote end", row("00000000:0050 0A")},
      {"another state", row("00000000:0050 00000000:0000 0B")},
      {"no inode", "   0: 00000000:0050 00000000:0000 0A 00000000:00000000 00:00000000 00000000 0 0\n"},
      {"an inode that is no number", "   0: 00000000:0050 00000000:0000 0A 0:0 0:0 0 0 0 x7 1\n"},
      {"nothing", ""},
      {"a line of blanks", "    \n\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(parseListeningSockets(c.text, "TCP"), std::vector<KernelSocket>{}) << c.what;
  // The same row as a listener is kept, and as UDP (state 0A is none of its) is not.
  EXPECT_EQ(parseListeningSockets(row("00000000:0050 00000000:0000 0A"), "TCP"),
            (std::vector<KernelSocket>{{"TCP", 80, true, 77}}));
  EXPECT_EQ(parseListeningSockets(row("00000000:0050 00000000:0000 0A"), "UDP"), std::vector<KernelSocket>{});
}
