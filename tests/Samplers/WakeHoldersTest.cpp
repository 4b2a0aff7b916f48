// Who keeps the machine awake: logind's inhibitor locks, grouped per process, and the same
// read over a private bus from a mocked logind.
#include <gtest/gtest.h>

#include "Qel/Samplers/SystemSampler.hpp"
#include "tests/support/DBusMock.hpp"

using namespace qel;

TEST(WakeHolders, blockingSleepAndIdleLocksPerProcess) {
  const std::vector<Inhibitor> locks{
      {"sleep", "Backup", "", "block", 1000, 300},
      {"idle", "", "Copying files", "block", 1000, 300},       // reason from the first lock that has one
      {"idle:sleep", "Video", "Playing", "block", 1000, 42},
      {"sleep", "NetworkManager", "Tidy up", "delay", 0, 7},   // a delay lock holds nothing awake
      {"shutdown:handle-power-key", "Updater", "x", "block", 0, 9},
      {"handle-lid-switch:sleep", "Desk", "Docked", "block", 1000, 100},
      {"sleep", "Bogus", "pid beyond int32", "block", 0, 3000000000u},
  };
  EXPECT_EQ(wakeHoldersFrom(locks), (std::vector<WakeHolder>{{42, "Video", "Playing", false},
                                                             {100, "Desk", "Docked", false},
                                                             {300, "Backup", "Copying files", false}}));
  EXPECT_TRUE(wakeHoldersFrom({}).empty());
}

TEST(WakeHolders, readFromLogindOverTheSystemBus) {
  test::PrivateBus bus;
  ASSERT_TRUE(bus.ok());
  ASSERT_TRUE(bus.startTemplate("logind", "org.freedesktop.login1"));
  auto client = bus.connect();
  ASSERT_TRUE(client);
  // Each lock lasts while its descriptor (held by the reply) stays open.
  std::vector<BusMessage> held;
  for (const auto* what : {"sleep", "shutdown"}) {
    BusError error;
    held.push_back(test::inhibitAs(client.get(), what, "Backup", "Copying files", error));
    ASSERT_TRUE(held.back()) << error.message();
  }
  SystemSampler sampler(SysRoot{std::filesystem::path(QEL_FIXTURES) / "nothermal"});
  // The mock gives every lock the same made-up pid.
  EXPECT_EQ(sampler.wakeHolders(), (std::vector<WakeHolder>{{123456, "Backup", "Copying files", false}}));
}

TEST(WakeHolders, noLogindReadsAsUnknownQuickly) {
  test::PrivateBus bus;
  ASSERT_TRUE(bus.ok());
  SystemSampler sampler(SysRoot{std::filesystem::path(QEL_FIXTURES) / "nothermal"});
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(sampler.wakeHolders(), std::nullopt);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
}
