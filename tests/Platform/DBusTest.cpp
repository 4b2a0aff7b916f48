#include <gtest/gtest.h>

#include "Qel/Platform/Bus/DBus.hpp"
#include "tests/support/DBusMock.hpp"

using namespace qel;

TEST(DBus, readsPropertiesFromAMockedService) {
  test::PrivateBus bus;
  ASSERT_TRUE(bus.ok());
  ASSERT_TRUE(bus.startTemplate("logind", "org.freedesktop.login1"));
  auto system = openBus(BusKind::system);
  ASSERT_TRUE(system);
  auto value = getProperty(system.get(), "org.freedesktop.login1", "/org/freedesktop/login1",
                           "org.freedesktop.login1.Manager", "IdleHint");
  ASSERT_TRUE(value);
  EXPECT_TRUE(std::holds_alternative<bool>(*value));

  BusError error;
  auto reply = callMethod(system.get(), "org.freedesktop.login1", "/org/freedesktop/login1",
                          "org.freedesktop.DBus.Properties", "GetAll", error, "s",
                          "org.freedesktop.login1.Manager");
  ASSERT_TRUE(reply) << error.message();
  BusProperties props;
  ASSERT_TRUE(readProperties(reply.get(), props));
  EXPECT_TRUE(boolValue(props, "IdleHint").has_value());
  EXPECT_FALSE(stringValue(props, "IdleHint").has_value());  // wrong type reads as absent
}

TEST(DBus, missingServiceFailsQuickly) {
  test::PrivateBus bus;
  ASSERT_TRUE(bus.ok());
  auto system = openBus(BusKind::system);
  ASSERT_TRUE(system);
  BusError error;
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(callMethod(system.get(), "org.freedesktop.login1", "/org/freedesktop/login1",
                          "org.freedesktop.login1.Manager", "ListInhibitors", error, ""));
  EXPECT_FALSE(error.name().empty());
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
}
