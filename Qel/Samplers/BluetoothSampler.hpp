#pragma once
// Battery levels of connected Bluetooth devices (BlueZ's Battery1) and of other wireless
// peripherals the kernel reports (power_supply entries with scope Device). No state: each
// call reads afresh. Call it off the main thread (the store uses "qel.readers"): the BlueZ
// call blocks up to the bus timeout.
#include <vector>

#include "Qel/Platform/Bus/BlueZ.hpp"
#include "Qel/Platform/Devices/DeviceBatteries.hpp"
#include "Qel/Platform/Proc/SysRoot.hpp"
#include "Qel/Samplers/BTDevice.hpp"

namespace qel::BluetoothSampler {

// Headphones and headsets first, then the other devices; no source answering gives none.
std::vector<BTDevice> sample(const SysRoot& root = {});

// The same from sources already read.
std::vector<BTDevice> devices(const std::vector<BlueZDevice>& bluez, const std::vector<DeviceBattery>& supplies);

// The connected headphones and headsets that report a level, each once, kind headphones.
std::vector<BTDevice> audioDevices(const std::vector<BlueZDevice>& bluez);

}  // namespace qel::BluetoothSampler
