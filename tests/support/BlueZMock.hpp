#pragma once
// Drives python3-dbusmock's bluez5 template: an adapter "hci0" and devices with the icon,
// battery and connection state a test needs.
#include <cstdint>
#include <optional>
#include <string>

#include "Qel/Platform/Bus/DBus.hpp"

namespace qel::test {

struct MockBluetoothDevice {
  std::string address;
  std::string alias;
  std::string icon;
  std::optional<std::uint8_t> battery;  // adds org.bluez.Battery1 when set
  bool connected = true;
};

inline bool addMockAdapter(sd_bus* bus) {
  BusError error;
  return callMethod(bus, "org.bluez", "/", "org.bluez.Mock", "AddAdapter", error, "ss", "hci0", "qel-test") != nullptr;
}

inline bool addMockDevice(sd_bus* bus, const MockBluetoothDevice& d) {
  BusError error;
  auto reply = callMethod(bus, "org.bluez", "/", "org.bluez.Mock", "AddDevice", error, "sss", "hci0",
                          d.address.c_str(), d.alias.c_str());
  const char* path = nullptr;
  if (!reply || sd_bus_message_read_basic(reply.get(), 's', &path) < 0 || !path) return false;
  const std::string devicePath = path;
  if (!callMethod(bus, "org.bluez", devicePath.c_str(), "org.freedesktop.DBus.Mock", "UpdateProperties", error,
                  "sa{sv}", "org.bluez.Device1", 1, "Icon", "s", d.icon.c_str()))
    return false;
  if (d.battery && !callMethod(bus, "org.bluez", devicePath.c_str(), "org.freedesktop.DBus.Mock", "AddProperties",
                               error, "sa{sv}", "org.bluez.Battery1", 1, "Percentage", "y", int(*d.battery)))
    return false;
  return !d.connected || callMethod(bus, "org.bluez", "/", "org.bluez.Mock", "ConnectDevice", error, "ss", "hci0",
                                    d.address.c_str());
}

}  // namespace qel::test
