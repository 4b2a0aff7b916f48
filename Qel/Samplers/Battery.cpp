#include "Qel/Samplers/Battery.hpp"

#include <array>
#include <cmath>
#include <string_view>

namespace qel {
namespace {

bool isMachineSupply(const PowerSupply& s) { return s.text("SCOPE") != std::optional<std::string_view>("Device"); }

bool isBattery(const PowerSupply& s) {
  return s.text("TYPE") == std::optional<std::string_view>("Battery") && isMachineSupply(s) &&
         s.number("PRESENT") != std::optional<std::int64_t>(0);
}

bool isAdapter(const PowerSupply& s) {
  static constexpr std::array<std::string_view, 10> types{"Mains",   "USB",     "USB_C",   "USB_PD", "USB_PD_DRP",
                                                          "USB_DCP", "USB_CDP", "USB_ACA", "BrickID", "Wireless"};
  const auto type = s.text("TYPE");
  if (!type || !isMachineSupply(s)) return false;
  for (const auto t : types)
    if (*type == t) return true;
  return false;
}

bool isOnline(const PowerSupply& s) { return s.number("ONLINE").value_or(0) > 0; }

std::optional<double> positive(const PowerSupply& s, const char* key) {
  const auto n = s.number(key);
  if (!n || *n < 1) return std::nullopt;
  return double(*n);
}

// A reading in percent, rounded to whole (halves away from zero); absent when not a number or
// below 0. Gauges often read a little above full after calibrating, so values above 100 stay.
std::optional<double> readingPercent(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  const double rounded = std::round(value);
  if (rounded < 0) return std::nullopt;
  return rounded;
}

std::optional<double> ratioPercent(const PowerSupply& s, const char* now, const char* full) {
  const auto n = s.number(now);
  const auto f = positive(s, full);
  if (!n || !f) return std::nullopt;
  return readingPercent(double(*n) / *f * 100.0);
}

// The first source that reads 0–100; when every source reads above full, the battery is full.
std::optional<int> chargePercent(const PowerSupply& s) {
  std::optional<double> capacity;
  if (const auto c = s.number("CAPACITY")) capacity = readingPercent(double(*c));
  bool overFull = false;
  for (const auto p : {capacity, ratioPercent(s, "ENERGY_NOW", "ENERGY_FULL"), ratioPercent(s, "CHARGE_NOW", "CHARGE_FULL")}) {
    if (!p) continue;
    if (*p <= 100) return int(*p);
    overFull = true;
  }
  if (overFull) return 100;
  return std::nullopt;
}

std::optional<int> healthOf(const PowerSupply& s) {
  for (const auto& [full, design] : {std::pair{"ENERGY_FULL", "ENERGY_FULL_DESIGN"},
                                     std::pair{"CHARGE_FULL", "CHARGE_FULL_DESIGN"}}) {
    const auto f = s.number(full);
    const auto d = positive(s, design);
    if (!f || *f < 0 || !d) continue;
    const double h = std::round(double(*f) / *d * 100.0);
    return h >= 100 ? 100 : int(h);
  }
  return std::nullopt;
}

std::optional<double> remainingWhOf(const PowerSupply& s) {
  if (const auto e = positive(s, "ENERGY_NOW")) return *e / 1e6;  // µWh
  const auto charge = positive(s, "CHARGE_NOW");                  // µAh
  const auto volts = positive(s, "VOLTAGE_NOW");                  // µV
  if (charge && volts) return *charge * *volts / 1e12;
  return std::nullopt;
}

// µV × µA in milliwatts, when both are there.
std::optional<double> productMilliwatts(const PowerSupply& s, const char* volts, const char* amps) {
  const auto v = s.number(volts);
  const auto a = s.number(amps);
  if (!v || !a) return std::nullopt;
  return std::fabs(double(*v) * double(*a)) / 1e9;
}

struct AdapterFigures {
  bool anyAdapter = false, online = false;
  std::optional<double> inputMilliwatts, ratedWatts;
};

AdapterFigures adapterFigures(const std::vector<PowerSupply>& supplies) {
  AdapterFigures a;
  for (const auto& s : supplies) {
    if (!isAdapter(s)) continue;
    a.anyAdapter = true;
    if (!isOnline(s)) continue;
    a.online = true;
    if (!a.inputMilliwatts) {
      if (const auto p = s.number("POWER_NOW")) a.inputMilliwatts = std::fabs(double(*p)) / 1000.0;
      else a.inputMilliwatts = productMilliwatts(s, "VOLTAGE_NOW", "CURRENT_NOW");
    }
    if (!a.ratedWatts) {
      const auto v = positive(s, "VOLTAGE_MAX");
      const auto i = positive(s, "CURRENT_MAX");
      if (v && i) a.ratedWatts = *v * *i / 1e12;
    }
  }
  return a;
}

bool isDischarging(const PowerSupply& s) { return s.text("STATUS") == std::optional<std::string_view>("Discharging"); }

}  // namespace

BatterySample batteryFrom(const std::vector<PowerSupply>& supplies) {
  const PowerSupply* battery = nullptr;
  int percent = 0;
  for (const auto& s : supplies) {
    if (!isBattery(s)) continue;
    if (const auto p = chargePercent(s)) {
      battery = &s;
      percent = *p;
    }
  }
  if (!battery) return {};
  const auto status = battery->text("STATUS").value_or("");
  const auto adapters = adapterFigures(supplies);

  BatterySample b;
  b.present = true;
  b.percent = percent;
  b.charging = status == "Charging";
  // Without any adapter entry, the battery's own state says whether power comes in.
  b.onAC = adapters.anyAdapter ? adapters.online : (status == "Charging" || status == "Full" || status == "Not charging");
  if (const auto c = battery->number("CYCLE_COUNT"); c && *c >= 0 && *c <= INT32_MAX) b.cycles = int(*c);
  b.health = healthOf(*battery);
  b.remainingWh = remainingWhOf(*battery);

  std::optional<double> voltage, amperage;  // mV, mA; the sign of the current follows the status
  if (const auto v = battery->number("VOLTAGE_NOW")) voltage = double(*v) / 1000.0;
  if (const auto i = battery->number("CURRENT_NOW"))
    amperage = std::fabs(double(*i)) / 1000.0 * (isDischarging(*battery) ? -1.0 : 1.0);
  PowerTelemetry telemetry{adapters.inputMilliwatts, std::nullopt};
  if (const auto p = battery->number("POWER_NOW")) telemetry.batteryPower = std::fabs(double(*p)) / 1000.0;
  const bool hasTelemetry = telemetry.systemPowerIn || telemetry.batteryPower;
  b.charger = ChargerSample::make(b.onAC, b.charging, adapters.ratedWatts,
                                  hasTelemetry ? std::optional(telemetry) : std::nullopt, voltage, amperage);
  return b;
}

std::optional<double> systemPowerFrom(const std::vector<PowerSupply>& supplies) {
  double watts = 0;
  for (const auto& s : supplies) {
    if (!isBattery(s) || !isDischarging(s)) continue;
    if (const auto p = s.number("POWER_NOW"); p && *p != 0) {
      watts += std::fabs(double(*p)) / 1e6;
    } else if (const auto mw = productMilliwatts(s, "VOLTAGE_NOW", "CURRENT_NOW")) {
      watts += *mw / 1000.0;
    }
  }
  if (!(watts > 0) || !std::isfinite(watts)) return std::nullopt;
  return watts;
}

}  // namespace qel
