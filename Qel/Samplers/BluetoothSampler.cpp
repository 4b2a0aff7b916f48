#include "Qel/Samplers/BluetoothSampler.hpp"

#include <algorithm>
#include <optional>
#include <set>
#include <string_view>

#include "Qel/Platform/Utf8.hpp"

namespace qel::BluetoothSampler {
namespace {

enum class Audio { none, headphones, headset };

// BlueZ names the device's type with a freedesktop icon; without one the Class of Device
// tells (major class audio/video, minor headset, hands-free or headphones).
Audio audioType(const BlueZDevice& d) {
  if (d.icon == "audio-headphones") return Audio::headphones;
  if (d.icon == "audio-headset") return Audio::headset;
  if (!d.icon.empty() || ((d.deviceClass >> 8) & 0x1F) != 0x04) return Audio::none;
  switch ((d.deviceClass >> 2) & 0x3F) {
    case 0x01:
    case 0x02: return Audio::headset;
    case 0x06: return Audio::headphones;
    default: return Audio::none;
  }
}

std::optional<int> validPercent(std::optional<std::int64_t> value) {
  if (!value || *value < 0 || *value > 100) return std::nullopt;
  return int(*value);
}

// Devices other than audio ones, identified by name; the first of a name wins, and of the
// unnamed ones the first.
std::vector<BTDevice> hidDevices(const std::vector<BlueZDevice>& bluez, const std::vector<DeviceBattery>& supplies) {
  std::vector<BTDevice> result;
  auto add = [&](const std::string& name, int percent) {
    const std::string id = name.empty() ? "unnamed" : name;
    if (std::any_of(result.begin(), result.end(), [&](const BTDevice& d) { return d.id == id; })) return;
    result.push_back({.id = id, .name = name, .percent = percent, .kind = BTDevice::Kind::unknown});
  };
  std::vector<std::string> listedAddresses;
  for (const auto& d : bluez) {
    const auto percent = validPercent(d.battery);
    if (!d.connected || audioType(d) != Audio::none || !percent) continue;
    add(d.name, *percent);
    if (!d.address.empty()) listedAddresses.push_back(asciiLower(d.address));
  }
  for (const auto& s : supplies) {
    const auto percent = validPercent(s.capacity);
    if (!s.present || !percent) continue;
    // The kernel's HID driver lists a Bluetooth mouse again as "hid-<address>-battery".
    const std::string supply = asciiLower(s.supply);
    if (std::any_of(listedAddresses.begin(), listedAddresses.end(),
                    [&](const std::string& a) { return supply.find(a) != std::string::npos; }))
      continue;
    add(s.model, *percent);
  }
  return result;
}

}  // namespace

std::vector<BTDevice> audioDevices(const std::vector<BlueZDevice>& bluez) {
  std::vector<BTDevice> result;
  std::set<std::string> emitted;
  for (const auto& d : bluez) {
    if (!d.connected || audioType(d) == Audio::none) continue;
    const std::string id = "audio:" + (d.address.empty() ? d.name : d.address);
    if (!emitted.insert(id).second) continue;
    // BlueZ reports one level per device: no separate left, right or case levels.
    if (const auto percent = validPercent(d.battery))
      result.push_back({.id = id, .name = d.name, .percent = *percent, .kind = BTDevice::Kind::headphones});
  }
  return result;
}

std::vector<BTDevice> devices(const std::vector<BlueZDevice>& bluez, const std::vector<DeviceBattery>& supplies) {
  auto result = audioDevices(bluez);
  auto hid = hidDevices(bluez, supplies);
  result.insert(result.end(), std::make_move_iterator(hid.begin()), std::make_move_iterator(hid.end()));
  return result;
}

std::vector<BTDevice> sample(const SysRoot& root) {
  return devices(readBlueZDevices().value_or(std::vector<BlueZDevice>{}), readDeviceBatteries(root));
}

}  // namespace qel::BluetoothSampler
