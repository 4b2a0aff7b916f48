#include "Qel/MenuBar/PanelFacts.hpp"

#include <algorithm>
#include <cmath>
#include <ctime>

#include "Qel/Kit/PageText.hpp"
#include "Qel/Platform/Utf8.hpp"
#include "Qel/Samplers/BTDevice.hpp"
#include "Qel/Samplers/ProcKey.hpp"
#include "Qel/Text/Format.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

std::string panelSubtitle(const StatusLine& status) {
  return status.level == Level{} ? L("Nothing unusual in the last 60 seconds") : status.detail;
}

std::string pressureExtra(double pressure) {
  return L("Pressure %@%", {wholeNumber(std::isfinite(pressure) ? pressure : 0)});
}

EnergyFigure energyFigure(std::optional<double> measured, double processSum) {
  double watts = measured ? *measured : processSum;
  if (!std::isfinite(watts)) watts = 0;
  return {fixed(watts, 1) + " W", measured ? L("Measured") : L("Process sum")};
}

std::string batteryValue(const BatterySample& battery) {
  return battery.present ? std::to_string(battery.percent) + "%" : L("None");
}

std::string batteryNote(const BatterySample& battery, const std::optional<RuntimeForecast>& forecast) {
  if (!battery.present) return L("This computer has no battery");
  if (battery.onAC) return L("On AC power");
  if (forecast) return L("about %@ left", {fmtRuntime(forecast->minutes)});
  return L("On battery");
}

std::string uptimeText(double seconds) {
  const double hours = std::isfinite(seconds) ? std::clamp(seconds, 0.0, 1e12) / 3600 : 0;
  const auto h = static_cast<long long>(hours);
  if (h < 1) return L("Just booted");
  if (h < 48) return L("Up %@ h", {std::to_string(h)});
  return Ln("Up %n days", h / 24);
}

double systemUptime() {
  timespec t{};
  if (clock_gettime(CLOCK_BOOTTIME, &t) != 0) return 0;
  return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

std::string todayNote(std::size_t events) {
  if (events == 0) return L("Nothing worth a look yet");
  return Ln("%n things worth a look. Click a dot.", events);
}

bool procIsHot(double cpu) { return cpu >= 30; }

std::string procCpuText(double cpu) { return fixed(std::isfinite(cpu) ? cpu : 0, 1) + "%"; }

std::vector<ProcInfo> topProcs(const std::vector<ProcInfo>& procs) {
  std::vector<ProcInfo> top = procs;
  auto cpu = [](const ProcInfo& p) { return std::isfinite(p.cpu) ? p.cpu : 0.0; };
  std::stable_sort(top.begin(), top.end(), [&](const ProcInfo& a, const ProcInfo& b) { return cpu(a) > cpu(b); });
  if (top.size() > 5) top.resize(5);
  return top;
}

std::vector<HeldProc> holdProcs(const std::vector<HeldProc>& shown, const std::vector<ProcInfo>& now) {
  std::vector<HeldProc> out;
  out.reserve(shown.size());
  for (const auto& row : shown) {
    const auto fresh = row.ended ? std::nullopt : findProc(keyOf(row.proc), now);
    out.push_back(fresh ? HeldProc{*fresh, false} : HeldProc{row.proc, true});
  }
  return out;
}

bool anyDeviceCharge(const std::vector<BTDevice>& devices) {
  return !deviceReadings(devices).empty();
}

std::string bluetoothNote(const std::vector<BTDevice>& devices) {
  std::string note;
  for (const auto& d : devices) {
    if (d.percent < 0 || d.percent > 19) continue;
    if (!note.empty()) note += L(", ");
    note += L("%@ battery low", {displayName(deviceWords(d.name))});
  }
  return note;
}

}  // namespace qel
