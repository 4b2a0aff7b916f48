#include <gtest/gtest.h>

#include "Qel/Platform/Bus/BlueZ.hpp"
#include "Qel/Platform/Devices/DeviceBatteries.hpp"
#include "Qel/Samplers/BluetoothSampler.hpp"
#include "tests/support/BlueZMock.hpp"
#include "tests/support/DBusMock.hpp"
#include "tests/support/TempDir.hpp"

using namespace qel;
using Kind = BTDevice::Kind;

namespace {

BlueZDevice blue(std::string address, std::string name, std::string icon, std::optional<std::int64_t> battery,
                 bool connected = true, std::uint32_t deviceClass = 0) {
  return {.path = "/org/bluez/hci0/dev_" + address, .address = address, .name = name, .icon = icon,
          .deviceClass = deviceClass, .connected = connected, .battery = battery};
}

DeviceBattery supply(std::string name, std::string model, std::optional<std::int64_t> capacity, bool present = true) {
  return {.supply = name, .model = model, .capacity = capacity, .present = present};
}

}  // namespace

TEST(BTDevice, symbolFollowsKindThenNameWords) {
  const struct {
    Kind kind;
    const char* name;
    const char* symbol;
  } cases[] = {
      {Kind::earbuds, "Keyboard", "airpodspro"},
      {Kind::chargingCase, "X", "airpodspro.chargingcase.wireless.fill"},
      {Kind::headphones, "Mouse", "headphones"},
      {Kind::unknown, "Magic KEYBOARD with Trackpad", "rectangle.and.hand.point.up.left"},
      {Kind::unknown, "ThinkPad TouchPad", "rectangle.and.hand.point.up.left"},
      {Kind::unknown, "妙控触控板", "rectangle.and.hand.point.up.left"},
      {Kind::unknown, "Keyboard K380", "keyboard"},
      {Kind::unknown, "無線鍵盤", "keyboard"},
      {Kind::unknown, "Bluetooth Mouse M336", "magicmouse"},
      {Kind::unknown, "无线鼠标", "magicmouse"},
      {Kind::unknown, "MX Master 3", "battery.100percent"},
      {Kind::unknown, "", "battery.100percent"},
  };
  for (const auto& c : cases)
    EXPECT_EQ((BTDevice{.id = "x", .name = c.name, .percent = 50, .kind = c.kind}.symbolName()), c.symbol) << c.name;
}

TEST(BluetoothSampler, combinesBlueZAndDeviceScopeBatteries) {
  const struct {
    const char* what;
    std::vector<BlueZDevice> bluez;
    std::vector<DeviceBattery> supplies;
    std::vector<BTDevice> expected;
  } cases[] = {
      {"headphones and headsets by icon, audio first",
       {blue("AA:00", "MX Keys", "input-keyboard", 60), blue("AA:01", "WH-1000XM4", "audio-headphones", 80),
        blue("AA:02", "Jabra", "audio-headset", 35)},
       {},
       {{"audio:AA:01", "WH-1000XM4", 80, Kind::headphones}, {"audio:AA:02", "Jabra", 35, Kind::headphones},
        {"MX Keys", "MX Keys", 60, Kind::unknown}}},
      {"without an icon the Class of Device tells",
       {blue("AA:03", "Headset", "", 50, true, 0x240404), blue("AA:04", "Cans", "", 40, true, 0x240418),
        blue("AA:05", "Speaker", "", 30, true, 0x240414)},
       {},
       {{"audio:AA:03", "Headset", 50, Kind::headphones}, {"audio:AA:04", "Cans", 40, Kind::headphones},
        {"Speaker", "Speaker", 30, Kind::unknown}}},
      {"no level, a bad level or no connection gives nothing",
       {blue("AA:06", "Quiet", "audio-headphones", std::nullopt), blue("AA:07", "Over", "audio-headset", 101),
        blue("AA:08", "Under", "input-mouse", -5), blue("AA:09", "Away", "input-mouse", 50, false)},
       {supply("hidpp_battery_1", "Neg", -1), supply("hidpp_battery_2", "Big", 101),
        supply("hidpp_battery_3", "None", std::nullopt), supply("wacom_battery_0", "Pen", 0, false)},
       {}},
      {"the bounds 0 and 100 count",
       {blue("AA:0A", "Full", "input-mouse", 100)},
       {supply("hidpp_battery_0", "Flat", 0)},
       {{"Full", "Full", 100, Kind::unknown}, {"Flat", "Flat", 0, Kind::unknown}}},
      {"one device per name; the kernel's copy of a BlueZ device is dropped",
       {blue("AA:BB:CC:DD:EE:01", "Keyboard K380", "input-keyboard", 70),
        blue("AA:0B", "Twin", "input-mouse", 10), blue("AA:0C", "Twin", "input-mouse", 90)},
       {supply("hid-aa:bb:cc:dd:ee:01-battery", "K380 (kernel name)", 70), supply("hidpp_battery_0", "Twin", 20)},
       {{"Keyboard K380", "Keyboard K380", 70, Kind::unknown}, {"Twin", "Twin", 10, Kind::unknown}}},
      {"nameless batteries stay nameless, the first one kept", {},
       {supply("hidpp_battery_0", "", 44), supply("hidpp_battery_1", "", 60)},
       {{"unnamed", "", 44, Kind::unknown}}},
  };
  for (const auto& c : cases) EXPECT_EQ(BluetoothSampler::devices(c.bluez, c.supplies), c.expected) << c.what;
}

TEST(DeviceBatteries, readsOnlyDeviceScopeEntries) {
  EXPECT_EQ(readDeviceBatteries(SysRoot{QEL_FIXTURES "/power_supply"}),
            (std::vector<DeviceBattery>{supply("hid-aa:bb:cc:dd:ee:01-battery", "Keyboard K380", 70),
                                        supply("hidpp_battery_0", "MX Master 3", 55),
                                        supply("wacom_battery_0", "Wacom Intuos BT M Pen", 0, false)}));
  EXPECT_TRUE(readDeviceBatteries(SysRoot{"/nonexistent"}).empty());

  const struct {
    const char* uevent;
    std::optional<DeviceBattery> expected;
  } cases[] = {
      {"POWER_SUPPLY_SCOPE=System\nPOWER_SUPPLY_CAPACITY=50\n", std::nullopt},
      {"POWER_SUPPLY_SCOPE=Device\nPOWER_SUPPLY_CAPACITY=-5", supply("s", "", -5)},
      {"POWER_SUPPLY_SCOPE=Device\nPOWER_SUPPLY_CAPACITY=5x\nPOWER_SUPPLY_MODEL_NAME=M\xFF", supply("s", "M\xEF\xBF\xBD", std::nullopt)},
  };
  for (const auto& c : cases) EXPECT_EQ(parseDeviceBattery("s", c.uevent), c.expected) << c.uevent;
}

TEST(BluetoothSampler, readsBatteriesFromBlueZ) {
  test::PrivateBus bus;
  ASSERT_TRUE(bus.ok());
  EXPECT_FALSE(readBlueZDevices());  // no BlueZ on the bus: no answer, quickly
  ASSERT_TRUE(bus.startTemplate("bluez5", "org.bluez"));
  const auto control = bus.connect();
  ASSERT_TRUE(control && test::addMockAdapter(control.get()));
  const test::MockBluetoothDevice mocks[] = {
      {"11:22:33:44:55:01", "Soundcore Q30", "audio-headphones", 80},
      {"11:22:33:44:55:02", "Keyboard K380", "input-keyboard", 62},
      {"11:22:33:44:55:03", "MX Anywhere", "input-mouse", 101},
      {"11:22:33:44:55:04", "Pixel Buds", "audio-headset", 90, /*connected=*/false},
      {"11:22:33:44:55:05", "Phone", "phone", std::nullopt},
  };
  for (const auto& m : mocks) ASSERT_TRUE(test::addMockDevice(control.get(), m)) << m.alias;

  const auto read = readBlueZDevices();
  ASSERT_TRUE(read);
  ASSERT_EQ(read->size(), 5u);
  EXPECT_EQ(read->front(), (BlueZDevice{.path = "/org/bluez/hci0/dev_11_22_33_44_55_01",
                                        .address = "11:22:33:44:55:01", .name = "Soundcore Q30",
                                        .icon = "audio-headphones", .deviceClass = 0, .connected = true,
                                        .battery = 80}));

  test::TempDir noSys;
  EXPECT_EQ(BluetoothSampler::sample(SysRoot{noSys.path()}),
            (std::vector<BTDevice>{{"audio:11:22:33:44:55:01", "Soundcore Q30", 80, Kind::headphones},
                                   {"Keyboard K380", "Keyboard K380", 62, Kind::unknown}}));
}
