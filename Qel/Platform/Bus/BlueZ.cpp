#include "Qel/Platform/Bus/BlueZ.hpp"

namespace qel {

bool readManagedObjects(sd_bus_message* m, ManagedObjects& out) {
  if (sd_bus_message_enter_container(m, 'a', "{oa{sa{sv}}}") < 0) return false;
  for (;;) {
    int r = sd_bus_message_enter_container(m, 'e', "oa{sa{sv}}");
    if (r < 0) return false;
    if (r == 0) break;
    const char* path = nullptr;
    if (sd_bus_message_read_basic(m, 'o', &path) < 0) return false;
    auto& interfaces = out[path ? path : ""];
    if (sd_bus_message_enter_container(m, 'a', "{sa{sv}}") < 0) return false;
    for (;;) {
      r = sd_bus_message_enter_container(m, 'e', "sa{sv}");
      if (r < 0) return false;
      if (r == 0) break;
      const char* interface = nullptr;
      if (sd_bus_message_read_basic(m, 's', &interface) < 0) return false;
      if (!readProperties(m, interfaces[interface ? interface : ""])) return false;
      if (sd_bus_message_exit_container(m) < 0) return false;
    }
    if (sd_bus_message_exit_container(m) < 0 || sd_bus_message_exit_container(m) < 0) return false;
  }
  return sd_bus_message_exit_container(m) >= 0;
}

std::vector<BlueZDevice> blueZDevices(const ManagedObjects& objects) {
  std::vector<BlueZDevice> devices;
  for (const auto& [path, interfaces] : objects) {
    const auto device = interfaces.find("org.bluez.Device1");
    if (device == interfaces.end()) continue;
    const BusProperties& p = device->second;
    BlueZDevice d;
    d.path = path;
    d.address = stringValue(p, "Address").value_or("");
    d.name = stringValue(p, "Alias").value_or("");
    if (d.name.empty()) d.name = stringValue(p, "Name").value_or("");
    if (d.name.empty()) d.name = d.address;
    d.icon = stringValue(p, "Icon").value_or("");
    const auto cls = integerValue(p, "Class");
    d.deviceClass = cls && *cls >= 0 && *cls <= INT64_C(0xFFFFFFFF) ? std::uint32_t(*cls) : 0;
    d.connected = boolValue(p, "Connected").value_or(false);
    if (const auto battery = interfaces.find("org.bluez.Battery1"); battery != interfaces.end())
      d.battery = integerValue(battery->second, "Percentage");
    devices.push_back(std::move(d));
  }
  return devices;
}

std::optional<std::vector<BlueZDevice>> readBlueZDevices() {
  const Bus bus = openBus(BusKind::system);
  if (!bus) return std::nullopt;
  sd_bus_message* raw = nullptr;
  if (sd_bus_message_new_method_call(bus.get(), &raw, "org.bluez", "/", "org.freedesktop.DBus.ObjectManager",
                                     "GetManagedObjects") < 0)
    return std::nullopt;
  const BusMessage call(raw);
  // Sampling must not start the Bluetooth service on a machine that keeps it off.
  sd_bus_message_set_auto_start(call.get(), 0);
  BusError error;
  sd_bus_message* reply = nullptr;
  if (sd_bus_call(bus.get(), call.get(), 0, error.get(), &reply) < 0) return std::nullopt;
  const BusMessage owned(reply);
  ManagedObjects objects;
  if (!readManagedObjects(reply, objects)) return std::nullopt;
  return blueZDevices(objects);
}

}  // namespace qel
