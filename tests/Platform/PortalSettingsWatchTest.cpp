#include <gtest/gtest.h>

#include <poll.h>

#include <chrono>

#include "Qel/Platform/Bus/PortalSettingsWatch.hpp"
#include "tests/support/DBusMock.hpp"

using namespace qel;

namespace {

const std::string kTemplate = std::string(QEL_FIXTURES) + "/dbusmock/portal_settings.py";

// Has the portal mock announce a changed setting.
bool announce(sd_bus* client, const char* space, const char* key) {
  BusError error;
  return callMethod(client, "org.freedesktop.portal.Desktop", "/org/freedesktop/portal/desktop",
                    "org.freedesktop.DBus.Mock", "EmitSignal", error, "sssav", "org.freedesktop.portal.Settings",
                    "SettingChanged", "ssv", 3, "s", space, "s", key, "v", "u", 1u) != nullptr;
}

// Processes the watch until `heard` reaches `want`; the guard is for a loaded machine.
void waitFor(PortalSettingsWatch& watch, const int& heard, int want) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (heard < want && std::chrono::steady_clock::now() < deadline) {
    pollfd p{.fd = watch.fd(), .events = POLLIN, .revents = 0};
    ::poll(&p, 1, 50);
    watch.process();
  }
}

}  // namespace

TEST(PortalSettingsWatch, hearsOnlyTheColorScheme) {
  test::PrivateBus bus;
  ASSERT_TRUE(bus.ok());
  ASSERT_TRUE(bus.startTemplate(kTemplate, "org.freedesktop.portal.Desktop", R"({"scheme": 1})"));
  int heard = 0;
  auto watch = PortalSettingsWatch::open([&heard] { ++heard; });
  ASSERT_TRUE(watch);
  watch->process();
  Bus client = bus.connect();
  ASSERT_TRUE(announce(client.get(), "org.gnome.desktop.interface", "font-name"));
  ASSERT_TRUE(announce(client.get(), "org.freedesktop.appearance", "accent-color"));
  ASSERT_TRUE(announce(client.get(), "org.freedesktop.appearance", "color-scheme"));
  waitFor(*watch, heard, 1);
  EXPECT_EQ(heard, 1);
}

TEST(PortalSettingsWatch, noBusNoWatch) {
  const char* saved = std::getenv("DBUS_SESSION_BUS_ADDRESS");
  const std::string keep = saved ? saved : "";
  ::setenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/bus", 1);
  EXPECT_FALSE(PortalSettingsWatch::open([] {}));
  if (saved) ::setenv("DBUS_SESSION_BUS_ADDRESS", keep.c_str(), 1);
  else ::unsetenv("DBUS_SESSION_BUS_ADDRESS");
}
