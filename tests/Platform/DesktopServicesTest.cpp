#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>

#include <memory>
#include <thread>

#include "Qel/Platform/Bus/Logind.hpp"
#include "Qel/Platform/Bus/Notifications.hpp"
#include "Qel/Platform/Bus/SleepWatch.hpp"
#include "tests/support/DBusMock.hpp"
#include "tests/support/MockCalls.hpp"

using namespace qel;
using namespace qel::test;

namespace {

// The mock drops an inhibitor when it sees its descriptor closed, a moment later.
bool inhibitorsBecome(sd_bus* bus, std::size_t n) {
  for (int i = 0; i < 200; ++i) {
    const auto list = listInhibitors(bus);
    if (list && list->size() == n) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return false;
}

}  // namespace

TEST(Notifications, postsTitleAndBodyToTheSessionService) {
  PrivateBus bus;
  ASSERT_TRUE(bus.startTemplate("notification_daemon", "org.freedesktop.Notifications"));
  ASSERT_TRUE(postNotification("Qel", "Qel alert", "Battery at 15%. Remember to plug in."));
  auto client = bus.connect();
  const auto calls = mockCalls(client.get(), "org.freedesktop.Notifications", "/org/freedesktop/Notifications", "Notify");
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(stringArg(calls[0], 0), "Qel");
  EXPECT_EQ(stringArg(calls[0], 3), "Qel alert");
  EXPECT_EQ(stringArg(calls[0], 4), "Battery at 15%. Remember to plug in.");
}

TEST(Notifications, aNameInTheBodyStaysTextWhateverItHolds) {
  struct Case {
    const char* parameters;  // the service's capabilities; "" for the template's, with body-markup
    const char* want;
  } cases[] = {
      {"", "&lt;a href=\"x\"&gt;cc&amp;ld&lt;/a&gt; \xef\xbf\xbd is using 99% CPU."},
      {R"({"capabilities": "body actions"})", "<a href=\"x\">cc&ld</a> \xef\xbf\xbd is using 99% CPU."},
  };
  for (const auto& c : cases) {
    PrivateBus bus;
    ASSERT_TRUE(bus.startTemplate("notification_daemon", "org.freedesktop.Notifications", c.parameters));
    ASSERT_TRUE(postNotification("Qel", "Qel alert \xff", "<a href=\"x\">cc&ld</a> \xff is using 99% CPU."));
    auto client = bus.connect();
    const auto calls = mockCalls(client.get(), "org.freedesktop.Notifications", "/org/freedesktop/Notifications",
                                 "Notify");
    ASSERT_EQ(calls.size(), 1u) << c.parameters;
    EXPECT_EQ(stringArg(calls[0], 3), "Qel alert \xef\xbf\xbd");
    EXPECT_EQ(stringArg(calls[0], 4), c.want) << c.parameters;
  }
}

TEST(Notifications, noServiceMeansNothingIsPosted) {
  PrivateBus bus;
  ASSERT_TRUE(bus.ok());
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(postNotification("Qel", "Qel alert", "body"));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
}

TEST(Logind, anInhibitLockLastsUntilItsDescriptorCloses) {
  PrivateBus bus;
  ASSERT_TRUE(bus.startTemplate("logind", "org.freedesktop.login1"));
  auto system = openBus(BusKind::system);
  ASSERT_TRUE(system);
  InhibitLock lock = inhibit(system.get(), "idle:sleep", "Qel", "Qel Keep Awake", "block");
  ASSERT_TRUE(lock.held());
  ASSERT_TRUE(inhibitorsBecome(system.get(), 1));
  const auto list = listInhibitors(system.get());
  EXPECT_EQ(list->front().what, "idle:sleep");
  EXPECT_EQ(list->front().who, "Qel");
  EXPECT_EQ(list->front().mode, "block");
  InhibitLock moved = std::move(lock);
  EXPECT_FALSE(lock.held());
  EXPECT_TRUE(inhibitorsBecome(system.get(), 1));
  moved.release();
  EXPECT_TRUE(inhibitorsBecome(system.get(), 0));
}

TEST(Logind, noLogindMeansNoLock) {
  PrivateBus bus;
  ASSERT_TRUE(bus.ok());
  auto system = openBus(BusKind::system);
  EXPECT_FALSE(inhibit(system.get(), "idle:sleep", "Qel", "why", "block").held());
  EXPECT_FALSE(inhibit(nullptr, "idle:sleep", "Qel", "why", "block").held());
}

TEST(SleepWatch, itsDescriptorStaysOpenAndQuietWhenTheBusGoesAway) {
  auto bus = std::make_unique<PrivateBus>();
  ASSERT_TRUE(bus->startTemplate("logind", "org.freedesktop.login1"));
  auto watch = SleepWatch::open([](bool) {}, "why");
  ASSERT_TRUE(watch);
  const int fd = watch->fd();
  ASSERT_GE(fd, 0);
  auto readable = [fd] {
    pollfd p{fd, POLLIN, 0};
    return ::poll(&p, 1, 0) > 0;
  };
  // logind's answer makes the descriptor readable.
  for (int i = 0; i < 3000 && !watch->holding(); ++i) {  // thirty seconds at most
    if (readable()) watch->process();
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  ASSERT_TRUE(watch->holding());

  bus.reset();  // the bus daemon ends: the connection closes
  // The host's loop would see the descriptor readable and call process() until it is quiet.
  for (int i = 0; i < 500; ++i) {
    if (readable()) watch->process();
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  // Still the descriptor the host watches, still open, never readable again: closed under the
  // host, its number would go to the next file opened and that file would keep the loop busy.
  EXPECT_EQ(watch->fd(), fd);
  EXPECT_NE(::fcntl(fd, F_GETFD), -1);
  EXPECT_FALSE(readable());
}
