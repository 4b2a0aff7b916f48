#pragma once
// The words and numbers the tray panel shows, worked out from the store's values so the panel's
// widgets only draw them.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Qel/History/RuntimeForecast.hpp"
#include "Qel/Samplers/BTDevice.hpp"
#include "Qel/Samplers/ProcInfo.hpp"
#include "Qel/Samplers/Samples.hpp"
#include "Qel/Store/StatusLine.hpp"

namespace qel {

// The line under the status title: a calm status always says nothing is unusual.
std::string panelSubtitle(const StatusLine& status);
// "Pressure 60%": the pressure rounded to the nearest whole number, halves away from zero.
std::string pressureExtra(double pressure);
// What the energy cell shows: the system's reading when it has one, else the sum of processes.
struct EnergyFigure {
  std::string value;  // "12.3 W"
  std::string extra;  // "Measured" or "Process sum"
};
EnergyFigure energyFigure(std::optional<double> measured, double processSum);
std::string batteryValue(const BatterySample& battery);
std::string batteryNote(const BatterySample& battery, const std::optional<RuntimeForecast>& forecast);
// "Just booted", "Up 5 h", "Up 3 days": whole hours, then whole days from 48 hours.
std::string uptimeText(double seconds);
// Seconds since the machine booted, counting time asleep.
double systemUptime();
std::string todayNote(std::size_t events);
// A process is hot from 30 % of one core.
bool procIsHot(double cpu);
std::string procCpuText(double cpu);
// The five busiest processes, highest first; equal ones keep the store's order.
std::vector<ProcInfo> topProcs(const std::vector<ProcInfo>& procs);
// A row of the busiest processes while the list holds still: its process with the figures of
// now, or, once the process has ended, as it was last seen.
struct HeldProc {
  ProcInfo proc;
  bool ended = false;
  bool operator==(const HeldProc&) const = default;
};
// The rows as shown, each brought up to date from `now` in its place.
std::vector<HeldProc> holdProcs(const std::vector<HeldProc>& shown, const std::vector<ProcInfo>& now);
// Whether any device reports a charge (0 to 100 %): the Bluetooth section shows only then.
bool anyDeviceCharge(const std::vector<BTDevice>& devices);
// "Mouse battery low, Keyboard battery low": the devices below 20 %, in list order; empty when none.
std::string bluetoothNote(const std::vector<BTDevice>& devices);

}  // namespace qel
