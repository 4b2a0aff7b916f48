// Battery, charger and power draw from power-supply properties.
#include <gtest/gtest.h>

#include <cmath>

#include "Qel/Samplers/Battery.hpp"

using namespace qel;

namespace {
PowerSupply supply(std::string name, std::map<std::string, std::string> props) { return {std::move(name), std::move(props)}; }

PowerSupply battery(std::map<std::string, std::string> props) {
  props.emplace("TYPE", "Battery");
  return supply("BAT0", std::move(props));
}
}  // namespace

TEST(ChargerSample, wattsFromRatingTelemetryOrVoltageAndCurrent) {
  const double inf = INFINITY;
  struct Case {
    const char* name;
    bool onAC, charging;
    std::optional<double> adapter;
    std::optional<PowerTelemetry> telemetry;
    std::optional<double> mV, mA;
    ChargerSample expected;
  };
  const Case cases[] = {
      {"not on AC: nothing", false, true, 65, PowerTelemetry{30000, 20000}, 12000, 1000, {}},
      {"on AC and charging", true, true, 65, PowerTelemetry{30000, 20000}, 12000, 1000, {65, 30, 20}},
      {"not charging: no charging watts even with battery power", true, false, 65, PowerTelemetry{30000, 20000},
       12000, 1000, {65, 30, std::nullopt}},
      {"negative battery power falls back to V × I", true, true, std::nullopt, PowerTelemetry{std::nullopt, -5},
       12000, 1500, {std::nullopt, std::nullopt, 18}},
      {"negative current while charging: absent", true, true, std::nullopt, std::nullopt, 12000, -1500, {}},
      {"rating of 0 W or infinite: absent", true, false, 0, std::nullopt, {}, {}, {}},
      {"infinite rating", true, false, inf, PowerTelemetry{-1, std::nullopt}, {}, {}, {}},
      {"zero voltage: no fallback", true, true, std::nullopt, std::nullopt, 0, 1500, {}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ChargerSample::make(c.onAC, c.charging, c.adapter, c.telemetry, c.mV, c.mA), c.expected) << c.name;
}

TEST(Battery, chargeHealthAndPresence) {
  struct Case {
    const char* name;
    std::vector<PowerSupply> supplies;
    bool present;
    int percent;
    std::optional<int> health;
  };
  const Case cases[] = {
      {"capacity as reported", {battery({{"CAPACITY", "61"}})}, true, 61, std::nullopt},
      {"49.5 % of energy rounds to 50", {battery({{"ENERGY_NOW", "495"}, {"ENERGY_FULL", "1000"}})}, true, 50,
       std::nullopt},
      {"a capacity above 100 is rejected for the energy ratio",
       {battery({{"CAPACITY", "105"}, {"ENERGY_NOW", "900"}, {"ENERGY_FULL", "1000"}})}, true, 90, std::nullopt},
      {"charge just above full reads as full", {battery({{"CHARGE_NOW", "1012"}, {"CHARGE_FULL", "1000"}})}, true,
       100, std::nullopt},
      {"capacity 101 reads as full", {battery({{"CAPACITY", "101"}})}, true, 100, std::nullopt},
      {"every source above full: full",
       {battery({{"CAPACITY", "101"}, {"ENERGY_NOW", "1010"}, {"ENERGY_FULL", "1000"}})}, true, 100, std::nullopt},
      {"negative capacity and no ratio: no battery", {battery({{"CAPACITY", "-3"}})}, false, 0, std::nullopt},
      {"health capped at 100",
       {battery({{"CAPACITY", "80"}, {"ENERGY_FULL", "1200"}, {"ENERGY_FULL_DESIGN", "1000"}})}, true, 80, 100},
      {"health from charge, rounded",
       {battery({{"CAPACITY", "80"}, {"CHARGE_FULL", "8125"}, {"CHARGE_FULL_DESIGN", "10000"}})}, true, 80, 81},
      {"design capacity 0: no health",
       {battery({{"CAPACITY", "80"}, {"ENERGY_FULL", "1200"}, {"ENERGY_FULL_DESIGN", "0"}})}, true, 80, std::nullopt},
      {"a device's battery is not the machine's",
       {supply("hid-mouse", {{"TYPE", "Battery"}, {"SCOPE", "Device"}, {"CAPACITY", "40"}})}, false, 0, std::nullopt},
      {"an empty battery bay", {battery({{"PRESENT", "0"}, {"CAPACITY", "0"}})}, false, 0, std::nullopt},
      {"a later battery replaces an earlier one",
       {supply("BAT0", {{"TYPE", "Battery"}, {"CAPACITY", "10"}}), supply("BAT1", {{"TYPE", "Battery"}, {"CAPACITY", "90"}})},
       true, 90, std::nullopt},
  };
  for (const auto& c : cases) {
    const auto b = batteryFrom(c.supplies);
    EXPECT_EQ(b.present, c.present) << c.name;
    EXPECT_EQ(b.percent, c.percent) << c.name;
    EXPECT_EQ(b.health, c.health) << c.name;
    if (!c.present) { EXPECT_EQ(b, BatterySample{}) << c.name; }
  }
}

TEST(Battery, mainsStateAndPowerDraw) {
  const auto mains = [](const char* online) { return supply("AC", {{"TYPE", "Mains"}, {"ONLINE", online}}); };
  const auto discharging = battery({{"CAPACITY", "50"}, {"STATUS", "Discharging"}, {"VOLTAGE_NOW", "12000000"},
                                    {"CURRENT_NOW", "-1500000"}});
  EXPECT_FALSE(batteryFrom({mains("0"), discharging}).onAC);
  EXPECT_TRUE(batteryFrom({mains("1"), battery({{"CAPACITY", "50"}, {"STATUS", "Not charging"}})}).onAC);
  // Without an adapter entry the battery's own state tells.
  EXPECT_TRUE(batteryFrom({battery({{"CAPACITY", "100"}, {"STATUS", "Full"}})}).onAC);
  EXPECT_FALSE(batteryFrom({discharging}).onAC);

  // The sign of the current varies between drivers; the state decides.
  EXPECT_EQ(systemPowerFrom({mains("0"), discharging}), 18.0);
  EXPECT_EQ(systemPowerFrom({battery({{"STATUS", "Discharging"}, {"POWER_NOW", "9500000"}})}), 9.5);
  EXPECT_EQ(systemPowerFrom({mains("1"), battery({{"STATUS", "Charging"}, {"POWER_NOW", "9500000"}})}), std::nullopt);
  EXPECT_EQ(systemPowerFrom({battery({{"STATUS", "Discharging"}})}), std::nullopt);
  EXPECT_EQ(systemPowerFrom({}), std::nullopt);
}
