#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>

#include "Qel/Samplers/NetTopSampler.hpp"

using namespace qel;
using namespace std::chrono_literals;
using Totals = std::map<std::int32_t, ProcessBytes>;

TEST(NetTopSampler, turnsCumulativeBytesIntoRates) {
  FakeClock clock;
  std::optional<Totals> next;
  NetTopSampler sampler([&] { return next; }, clock);

  next = Totals{{10, {.startTime = 1, .in = 1000, .out = 500}}};
  clock.advance(1s);
  EXPECT_EQ(sampler.sample(), (std::map<std::int32_t, NetUse>{{10, {0, 0, 1500}}}));  // first run: totals only

  struct Step {
    const char* what;
    std::chrono::milliseconds after;
    std::optional<Totals> totals;
    std::map<std::int32_t, NetUse> expected;  // for a run that read something
  };
  const Step steps[] = {
      {"two seconds later", 2000ms, Totals{{10, {1, 3000, 600}}, {11, {5, 70, 0}}},
       {{10, {1000, 50, 3600}}, {11, {0, 0, 70}}}},
      {"a failed run says so and changes nothing", 1000ms, std::nullopt, {}},
      {"measured from the last good run", 1000ms, Totals{{10, {1, 5000, 600}}, {11, {5, 70, 0}}},
       {{10, {1000, 0, 5600}}, {11, {0, 0, 70}}}},
      {"runs closer than 0.5 s divide by 0.5 s", 200ms, Totals{{10, {1, 5100, 650}}, {11, {5, 70, 0}}},
       {{10, {200, 100, 5750}}, {11, {0, 0, 70}}}},
      {"a counter that dropped gives 0 in that direction", 1000ms, Totals{{10, {1, 100, 700}}},
       {{10, {0, 50, 800}}}},
      {"a reused pid has no rate from its predecessor", 1000ms, Totals{{10, {2, 900, 900}}}, {{10, {0, 0, 1800}}}},
      {"no connection at all is an empty reading, not a failure", 1000ms, Totals{}, {}},
  };
  for (const auto& s : steps) {
    SCOPED_TRACE(s.what);
    clock.advance(s.after);
    next = s.totals;
    const auto use = sampler.sample();
    ASSERT_EQ(use.has_value(), s.totals.has_value());
    if (use) { EXPECT_EQ(*use, s.expected); }
  }
}

namespace {

// A child that runs `body` with its end of a command pipe and a report pipe.
struct Child {
  pid_t pid = -1;
  int command = -1, report = -1;
  template <class Body>
  explicit Child(Body body) {
    int down[2], up[2];
    if (pipe(down) != 0 || pipe(up) != 0) return;
    pid = fork();
    if (pid == 0) {
      close(down[1]);
      close(up[0]);
      body(down[0], up[1]);
      pause();
      _exit(0);
    }
    close(down[0]);
    close(up[1]);
    command = down[1];
    report = up[0];
  }
  ~Child() {
    if (pid > 0) {
      kill(pid, SIGKILL);
      waitpid(pid, nullptr, 0);
    }
    close(command);
    close(report);
  }
  void tell() const { EXPECT_EQ(write(command, "x", 1), 1); }
  void await() const {
    char c;
    EXPECT_EQ(read(report, &c, 1), 1);
  }
};

void say(int fd) {
  if (write(fd, "x", 1) != 1) _exit(1);
}
void hear(int fd) {
  char c;
  if (read(fd, &c, 1) != 1) _exit(1);
}

}  // namespace

TEST(NetTopSampler, measuresARealTransferOverLoopback) {
  constexpr std::size_t kBytes = 3 << 20;
  const int listener = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ASSERT_EQ(listen(listener, 1), 0);
  ASSERT_EQ(getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length), 0);

  Child server([&](int command, int report) {
    const int connection = accept(listener, nullptr, nullptr);
    close(listener);
    say(report);  // the socket is in this process now
    std::vector<char> buffer(1 << 16);
    for (std::size_t got = 0; got < kBytes;) {
      const ssize_t n = read(connection, buffer.data(), buffer.size());
      if (n <= 0) _exit(1);
      got += std::size_t(n);
    }
    say(report);
    hear(command);
    close(connection);
    say(report);
  });
  Child client([&](int command, int report) {
    close(listener);
    const int s = socket(AF_INET, SOCK_STREAM, 0);
    if (connect(s, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) _exit(1);
    say(report);
    hear(command);
    const std::vector<char> data(kBytes, 'q');
    for (std::size_t sent = 0; sent < kBytes;) {
      const ssize_t n = write(s, data.data() + sent, kBytes - sent);
      if (n <= 0) _exit(1);
      sent += std::size_t(n);
    }
    say(report);
  });
  close(listener);
  ASSERT_GT(server.pid, 0);
  ASSERT_GT(client.pid, 0);
  client.await();  // connected, nothing sent yet
  server.await();  // accepted: the first sample sees the socket in the server

  FakeClock clock;
  auto traffic = std::make_shared<ProcessTraffic>(ProcessTraffic::Options{.includeLocal = true});
  NetTopSampler sampler([traffic] { return traffic->sample(); }, clock);
  sampler.sample();

  client.tell();
  client.await();
  server.await();  // everything arrived
  clock.advance(2s);
  auto use = sampler.sample().value_or(std::map<std::int32_t, NetUse>{});
  ASSERT_TRUE(use.contains(server.pid));
  ASSERT_TRUE(use.contains(client.pid));
  EXPECT_NEAR(use.at(server.pid).down, kBytes / 2.0, 4);
  EXPECT_NEAR(use.at(client.pid).up, kBytes / 2.0, 4);
  EXPECT_EQ(use.at(server.pid).up, 0);
  EXPECT_GE(use.at(server.pid).total, kBytes);
  const auto total = use.at(server.pid).total;

  // The server closes its socket: its total stays, its rate goes to 0.
  server.tell();
  server.await();
  clock.advance(1s);
  use = sampler.sample().value_or(std::map<std::int32_t, NetUse>{});
  ASSERT_TRUE(use.contains(server.pid));
  EXPECT_EQ(use.at(server.pid).total, total);
  EXPECT_EQ(use.at(server.pid).down, 0);

  // Left out by default: the same traffic never left the machine.
  ProcessTraffic outside;
  const auto external = outside.sample();
  ASSERT_TRUE(external);
  EXPECT_FALSE(external->contains(client.pid));
}
