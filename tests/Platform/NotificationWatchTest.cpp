#include <gtest/gtest.h>

#include <poll.h>

#include <chrono>
#include <vector>

#include "Qel/Platform/Bus/NotificationWatch.hpp"
#include "tests/support/DBusMock.hpp"

using namespace qel;

TEST(NotificationWatch, followsTheServiceComingAndGoing) {
  test::PrivateBus bus;
  ASSERT_TRUE(bus.ok());
  Bus service = bus.connect();
  std::vector<bool> told;
  auto watch = NotificationWatch::open([&told](bool present) { told.push_back(present); });
  ASSERT_TRUE(watch);
  // Processes the watch until it has told `want` answers; the guard is for a loaded machine.
  const auto hear = [&](NotificationWatch& w, const std::vector<bool>& heard, std::size_t want) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (heard.size() < want && std::chrono::steady_clock::now() < deadline) {
      pollfd p{.fd = w.fd(), .events = POLLIN, .revents = 0};
      ::poll(&p, 1, 50);
      w.process();
    }
  };
  hear(*watch, told, 1);
  ASSERT_GE(sd_bus_request_name(service.get(), "org.freedesktop.Notifications", 0), 0);
  hear(*watch, told, 2);
  ASSERT_GE(sd_bus_release_name(service.get(), "org.freedesktop.Notifications"), 0);
  hear(*watch, told, 3);
  EXPECT_EQ(told, (std::vector<bool>{false, true, false}));

  // A service already running is found by the first question.
  ASSERT_GE(sd_bus_request_name(service.get(), "org.freedesktop.Notifications", 0), 0);
  std::vector<bool> later;
  auto second = NotificationWatch::open([&later](bool present) { later.push_back(present); });
  ASSERT_TRUE(second);
  hear(*second, later, 1);
  EXPECT_EQ(later, std::vector<bool>{true});
}
