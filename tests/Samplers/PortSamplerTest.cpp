#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>

#include "Qel/Samplers/PortHints.hpp"
#include "Qel/Samplers/PortSampler.hpp"
#include "tests/support/TempDir.hpp"

using namespace qel;
using namespace std::chrono_literals;

namespace {

PortEntry entry(std::int64_t port, std::string proto, std::int32_t pid, std::string command, bool open) {
  return {.port = port, .proto = std::move(proto), .pid = pid, .command = std::move(command), .open = open};
}

// A stand-in for lsof: a shell script that answers the TCP and the UDP run differently. Each
// call writes a new file, so several can exist at once.
std::string fakeLsof(const test::TempDir& dir, const std::string& tcp, const std::string& udp) {
  static int count = 0;
  const auto path = dir.write("lsof-" + std::to_string(++count), "#!/bin/sh\ncase \"$2\" in\n  -iTCP) " + tcp + " ;;\n  -iUDP) " + udp +
                                          " ;;\n  *) exit 2 ;;\nesac\n");
  chmod(path.c_str(), 0755);
  return path.string();
}

}  // namespace

TEST(PortSamplerParse, readsEachFormOfOutput) {
  struct Case {
    const char* what;
    std::string text;
    bool listenOnly;
    std::vector<PortEntry> expected;
  };
  const std::vector<Case> cases{
      {"a descriptor line between command and socket", "p412\ncnode\nf23\nPTCP\nn*:3000\n", false,
       {entry(3000, "TCP", 412, "node", true)}},
      {"recorded Debian output: no f lines, loopback and wildcard binds",
       test::readFile(QEL_FIXTURES "/lsof/debian-tcp.txt"), false,
       {entry(39775, "TCP", 9276, "python3", false), entry(47457, "TCP", 9276, "python3", true),
        entry(44549, "TCP", 9276, "python3", false), entry(43377, "TCP", 9276, "python3", false),
        entry(35561, "TCP", 9276, "python3", false), entry(37247, "TCP", 9276, "python3", true)}},
      {"recorded Debian UDP: a connected socket is no listener",
       test::readFile(QEL_FIXTURES "/lsof/debian-udp.txt"), true,
       {entry(40355, "UDP", 9276, "python3", false), entry(60002, "UDP", 9276, "python3", true),
        entry(59928, "UDP", 9276, "python3", true)}},
      {"loopback is all of 127/8, ::1, mapped v4 and localhost",
       "p7\ncd\nPTCP\nn127.0.0.1:1\nn127.255.255.254:2\nn[::1]:3\nn[::ffff:127.0.0.2]:4\nnlocalhost:5\nnLocalHost:6\n"
       "n192.168.1.20:7\nn*:8\nn[::]:9\nn[::ffff:10.0.0.1]:10\nn128.0.0.1:11\nn127.0.0:12\nn[fe80::1%lo]:13\n",
       false,
       {entry(1, "TCP", 7, "d", false), entry(2, "TCP", 7, "d", false), entry(3, "TCP", 7, "d", false),
        entry(4, "TCP", 7, "d", false), entry(5, "TCP", 7, "d", false), entry(6, "TCP", 7, "d", false),
        entry(7, "TCP", 7, "d", true), entry(8, "TCP", 7, "d", true), entry(9, "TCP", 7, "d", true),
        entry(10, "TCP", 7, "d", true), entry(11, "TCP", 7, "d", true), entry(12, "TCP", 7, "d", true),
        entry(13, "TCP", 7, "d", true)}},
      {"ports are digits only within 0-65535",
       "p7\ncd\nPTCP\nn*:*\nn*:\nn*:65535\nn*:65536\nn*:12345678901234567890\nn*:+80\nn*:-1\nn*: 80\nn*:80x\n"
       "nnocolon\nn\n",
       false, {entry(65535, "TCP", 7, "d", true)}},
      {"port 0 counts only without listenOnly", "p7\ncd\nPUDP\nn*:0\n", true, {}},
      {"port 0 of a TCP run is kept", "p7\ncd\nPTCP\nn*:0\n", false, {entry(0, "TCP", 7, "d", true)}},
      {"connected pairs are skipped", "p7\ncd\nPUDP\nn192.168.1.20:5353->224.0.0.251:5353\n", true, {}},
      {"a pid that is no positive number drops its sockets until the next valid one",
       "pabc\ncx\nPTCP\nn*:1\np0\nn*:2\np-5\nn*:3\np99999999999\nn*:4\np+7\nn*:5\np8\nn*:6\n", false,
       {entry(6, "TCP", 8, "x", true)}},
      {"sockets before any process line belong to no one", "PTCP\nn*:80\n", false, {}},
      {"a socket before any protocol line has an empty protocol", "p5\ncx\nn*:80\n", false,
       {entry(80, "", 5, "x", true)}},
      {"command and protocol carry over to the next process", "p1\nca\nPTCP\nn*:1\np2\nn*:2\n", false,
       {entry(1, "TCP", 1, "a", true), entry(2, "TCP", 2, "a", true)}},
      {"unknown tags, blank lines and a missing last newline", "\n\nX\np3\ncz\nPTCP\nt\nn*:9", false,
       {entry(9, "TCP", 3, "z", true)}},
  };
  for (const auto& c : cases) EXPECT_EQ(PortSampler::parse(c.text, c.listenOnly), c.expected) << c.what;
}

TEST(PortSampler, mergesAndSortsBothRuns) {
  test::TempDir dir;
  const std::string tcp =
      "printf 'p412\\ncnode\\nPTCP\\nn127.0.0.1:8080\\nn*:8080\\np30\\ncnamed\\nn*:53\\n"
      "p9\\ncweb\\nn*:443\\np20\\ncb\\nn127.0.0.1:9000\\np10\\nca\\nn*:9000\\n'; exit 0";
  const std::string udp = "printf 'p30\\ncnamed\\nPUDP\\nn*:53\\nn*:*\\np9\\ncweb\\nn*:80\\nn*:8080\\n'";
  const auto ports = PortSampler(fakeLsof(dir, tcp, udp)).sample();
  ASSERT_TRUE(ports);
  EXPECT_EQ(*ports, (std::vector<PortEntry>{
                        entry(53, "TCP", 30, "named", true), entry(53, "UDP", 30, "named", true),
                        entry(80, "UDP", 9, "web", true), entry(443, "TCP", 9, "web", true),
                        entry(8080, "TCP", 412, "node", true), entry(8080, "UDP", 9, "web", true),
                        entry(9000, "TCP", 10, "a", true), entry(9000, "TCP", 20, "b", false)}));

  // The open socket wins in either order of the lines.
  const auto reversed = PortSampler(fakeLsof(dir, "printf 'p4\\ncn\\nPTCP\\nn*:8080\\nn127.0.0.1:8080\\n'", "true"))
                            .sample();
  ASSERT_TRUE(reversed);
  EXPECT_EQ(*reversed, std::vector<PortEntry>{entry(8080, "TCP", 4, "n", true)});
}

TEST(PortSampler, commandFailuresGiveTheDocumentedResult) {
  test::TempDir dir;
  const std::string ssh = "printf 'p1\\nca\\nPTCP\\nn*:22\\n'";
  const struct {
    const char* what;
    std::string lsof;
    std::optional<std::vector<PortEntry>> expected;
  } cases[] = {
      {"nothing listening: lsof exits 1 with no output", fakeLsof(dir, "exit 1", "exit 1"), std::vector<PortEntry>{}},
      {"no lsof at all", (dir / "missing-lsof").string(), std::nullopt},
      {"not executable", dir.write("plain", "p1\n").string(), std::nullopt},
      {"lsof killed by a signal", fakeLsof(dir, "kill -9 $$", "true"), std::nullopt},
      {"lsof hangs after some output", fakeLsof(dir, ssh + "; exec sleep 30", "true"), std::nullopt},
      {"a failed UDP run keeps the TCP entries", fakeLsof(dir, ssh, "exit 1"),
       std::vector<PortEntry>{entry(22, "TCP", 1, "a", true)}},
      {"a hung UDP run keeps the TCP entries", fakeLsof(dir, ssh, "exec sleep 30"),
       std::vector<PortEntry>{entry(22, "TCP", 1, "a", true)}},
      {"a name that is not UTF-8 costs one character",
       fakeLsof(dir, "printf 'p1\\ncbad\\377name\\nPTCP\\nn*:22\\np2\\ncgood\\nn*:80\\n'", "true"),
       std::vector<PortEntry>{entry(22, "TCP", 1, "bad\xEF\xBF\xBDname", true), entry(80, "TCP", 2, "good", true)}},
  };
  const auto start = std::chrono::steady_clock::now();
  for (const auto& c : cases) EXPECT_EQ(PortSampler(c.lsof, 300ms).sample(), c.expected) << c.what;
  EXPECT_LT(std::chrono::steady_clock::now() - start, 10s);  // hung runs are killed, not waited for
}

// Root's lsof names the sockets of the processes it sees; the kernel lists the others too, such as
// those of a container's processes. Each is listed once, by whoever holds it where a process's
// descriptors lead to it, else by no one.
TEST(PortSampler, asRootListsEverySocketTheKernelHasListening) {
  test::TempDir dir;
  const std::string lsof = fakeLsof(dir, "printf 'p412\\ncnode\\nPTCP\\nn127.0.0.1:3000\\n'", "true");
  const SysRoot kernel{QEL_FIXTURES "/proc-ports"};
  const auto ports = PortSampler(lsof, PortSampler::kTimeout, kernel).sample();
  ASSERT_TRUE(ports);
  EXPECT_EQ(*ports, (std::vector<PortEntry>{
                        entry(53, "UDP", 79, "systemd-resolve", false), entry(2024, "TCP", 0, "", true),
                        entry(3000, "TCP", 412, "node", false), entry(5353, "UDP", 0, "", true),
                        entry(5432, "TCP", 77, "postgres", true), entry(8080, "TCP", 78, "caddy", false),
                        entry(8081, "TCP", 0, "", false), entry(8443, "TCP", 78, "caddy", true)}));
  // Not given the tables (any user but root), lsof's list stands alone.
  EXPECT_EQ(PortSampler(lsof).sample(), std::vector<PortEntry>{entry(3000, "TCP", 412, "node", false)});
}

TEST(PortHints, describesWellKnownPortsOnly) {
  EXPECT_STREQ(PortHints::describe(8080), "Common web service port");
  EXPECT_EQ(PortHints::describe(8081), nullptr);
  EXPECT_STREQ(PortHints::describe(3000), PortHints::describe(9000));
}
