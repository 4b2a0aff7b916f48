#include <cmath>

#include "Qel/Samplers/Samples.hpp"

namespace qel {
namespace {
// Milliwatts to watts, for a finite reading of at least 0.
std::optional<double> wattsOf(std::optional<double> milliwatts) {
  if (!milliwatts || !std::isfinite(*milliwatts) || *milliwatts < 0) return std::nullopt;
  return *milliwatts / 1000.0;
}
}  // namespace

ChargerSample ChargerSample::make(bool onAC, bool charging, std::optional<double> adapterWatts,
                                  const std::optional<PowerTelemetry>& telemetry, std::optional<double> voltage,
                                  std::optional<double> amperage) {
  ChargerSample c;
  if (!onAC) return c;
  if (adapterWatts && *adapterWatts > 0 && std::isfinite(*adapterWatts)) c.adapterWatts = adapterWatts;
  if (telemetry) c.inputWatts = wattsOf(telemetry->systemPowerIn);
  if (!charging) return c;
  if (telemetry) c.chargingWatts = wattsOf(telemetry->batteryPower);
  if (!c.chargingWatts && voltage && amperage && *voltage > 0 && *amperage >= 0) {
    const double watts = *voltage * *amperage / 1e6;
    if (std::isfinite(watts)) c.chargingWatts = watts;
  }
  return c;
}

}  // namespace qel
