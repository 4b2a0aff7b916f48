#pragma once
// The Bluetooth devices BlueZ knows, from one GetManagedObjects call on the system bus.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "Qel/Platform/Bus/DBus.hpp"

namespace qel {

// What Qel reads of one org.bluez.Device1 object and its org.bluez.Battery1, if any.
struct BlueZDevice {
  std::string path;
  std::string address;
  std::string name;               // Alias, else Name, else the address
  std::string icon;               // a freedesktop icon name such as "audio-headset"; may be ""
  std::uint32_t deviceClass = 0;  // Class of Device; 0 when BlueZ has none (LE devices)
  bool connected = false;
  std::optional<std::int64_t> battery;  // Battery1.Percentage as reported, unchecked

  bool operator==(const BlueZDevice&) const = default;
};

// Object path → interface → properties, as org.freedesktop.DBus.ObjectManager returns them.
using ManagedObjects = std::map<std::string, std::map<std::string, BusProperties>>;

// Reads an "a{oa{sa{sv}}}" at the message's position; false when it is malformed.
bool readManagedObjects(sd_bus_message* m, ManagedObjects& out);

// The Device1 objects among `objects`, in path order.
std::vector<BlueZDevice> blueZDevices(const ManagedObjects& objects);

// Asks org.bluez on the system bus without starting it; absent when BlueZ doesn't answer.
std::optional<std::vector<BlueZDevice>> readBlueZDevices();

}  // namespace qel
