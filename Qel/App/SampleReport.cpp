#include "Qel/App/SampleReport.hpp"

#include <unistd.h>

#include <chrono>
#include <future>
#include <sstream>
#include <string>
#include <thread>

#include "Qel/App/SampleDevices.hpp"
#include "Qel/App/SampleProcesses.hpp"
#include "Qel/Kit/PageText.hpp"
#include "Qel/Platform/Utf8.hpp"
#include "Qel/Samplers/PortSampler.hpp"
#include "Qel/Samplers/SystemSampler.hpp"
#include "Qel/Text/Format.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {
namespace {

// "23.5 GB (24682380 kB)": readable, and comparable with /proc/meminfo and df to the kilobyte.
std::string bytesAndKB(std::uint64_t bytes) { return fmtBytes(bytes) + " (" + std::to_string(bytes / 1024) + " kB)"; }

std::string watts(double w) { return fixed(w, 1) + " W"; }

std::string thermalWords(ThermalState s) {
  switch (s) {
    case ThermalState::nominal: return L("Normal");
    case ThermalState::fair: return L("Warm");
    case ThermalState::serious: return L("Hot");
    case ThermalState::critical: return L("Overheating");
  }
  return L("Unknown");
}

void line(std::ostream& out, const std::string& label, const std::string& value) {
  out << "  " << label << ": " << displayName(value) << "\n";
}

void printProcessor(std::ostream& out, SystemSampler& s) {
  out << L("Processor") << "\n";
  line(out, L("Chip"), chipWords(s.chipModel()));
  line(out, L("Cores"),
       L("%@ (%@, %@)", {Ln("%n logical", s.performanceCores() + s.efficiencyCores()),
                         Ln("%n performance", s.performanceCores()), Ln("%n efficiency", s.efficiencyCores())}));
  if (const auto cpu = s.cpu()) {
    line(out, L("Load over one second"),
         L("%@ (user %@, system %@)", {fmtPercent(cpu->total), fmtPercent(cpu->user), fmtPercent(cpu->system)}));
    std::string cores;
    for (std::size_t i = 0; i < cpu->perCore.size(); ++i) cores += (i ? " " : "") + fmtPercent(cpu->perCore[i]);
    line(out, L("Per core"), cores);
  } else {
    line(out, L("Load over one second"), L("can't be read here (no processor counters)"));
  }
  line(out, L("Load average, one minute"), fixed(s.load(), 2));
  line(out, L("Thermal state"),
       s.hasThermalZones() ? thermalWords(s.thermal()) : L("%@ (no thermal zones here)", {thermalWords(s.thermal())}));
}

void printMemory(std::ostream& out, SystemSampler& s) {
  const auto m = s.memory();
  out << L("Memory") << "\n";
  if (m.total == 0) {
    line(out, L("Total"), L("can't be read here"));
    return;
  }
  line(out, L("Total"), bytesAndKB(m.total));
  line(out, L("App"), bytesAndKB(m.app));
  line(out, L("Kernel & locked"), bytesAndKB(m.wired));
  line(out, L("Compressed"), bytesAndKB(m.compressed));
  line(out, L("Pressure"), fixed(m.pressure, 0) + "%");
  line(out, L("Swap used"), bytesAndKB(m.swapUsed));
}

void printNetworkAndDisk(std::ostream& out, SystemSampler& s) {
  const auto net = s.network();
  const auto disk = s.disk();
  out << L("Network") << "\n";
  line(out, L("Over one second"), L("down %@, up %@", {fmtRate(net.down), fmtRate(net.up)}));
  const auto addresses = s.addresses();
  if (addresses.empty()) line(out, L("Addresses"), L("none on a physical interface"));
  for (const auto& a : addresses) line(out, L("Address"), a.interface + " " + a.address);
  out << L("Disk") << "\n";
  line(out, L("Over one second"), L("read %@, write %@", {fmtRate(disk.read), fmtRate(disk.write)}));
}

void printGpu(std::ostream& out, SystemSampler& s) {
  out << L("Graphics") << "\n";
  const auto gpu = s.gpu();
  if (!gpu) {
    line(out, L("Use"), L("no graphics processor reports its use here"));
    return;
  }
  line(out, L("Use"), fmtPercent(gpu->util));
  line(out, L("Memory"), bytesAndKB(gpu->memory));
  line(out, L("Cores"), gpu->cores ? std::to_string(*gpu->cores) : L("not reported"));
}

void printPower(std::ostream& out, SystemSampler& s) {
  const auto b = s.battery();
  out << L("Battery and power") << "\n";
  if (!b.present) {
    line(out, L("Battery"), L("none"));
  } else {
    line(out, L("Battery"),
         L("%@, %@", {std::to_string(b.percent) + "%", b.charging ? L("charging") : (b.onAC ? L("on AC") : L("on battery"))}));
    line(out, L("Health"), b.health ? std::to_string(*b.health) + "%" : L("not reported"));
    line(out, L("Cycles"), b.cycles ? std::to_string(*b.cycles) : L("not reported"));
    line(out, L("Energy left"), b.remainingWh ? fixed(*b.remainingWh, 1) + " Wh" : L("not reported"));
    const auto& c = b.charger;
    if (b.onAC) {
      line(out, L("Charger rating"), c.adapterWatts ? watts(*c.adapterWatts) : L("not reported"));
      line(out, L("Power in"), c.inputWatts ? watts(*c.inputWatts) : L("not reported"));
      line(out, L("Charging power"), c.chargingWatts ? watts(*c.chargingWatts) : L("not charging or not reported"));
    }
  }
  const auto power = s.systemPower();
  if (power) line(out, L("Power draw"), watts(*power));
  else if (!b.present) line(out, L("Power draw"), L("can't be read here (no battery to measure it)"));
  else line(out, L("Power draw"), L("can't be read here (measured only while on battery)"));
}

void printStorage(std::ostream& out, SystemSampler& s) {
  const auto d = s.diskDetail();
  out << L("Storage") << "\n";
  if (d.total == 0) {
    line(out, L("System disk"), L("can't be read here"));
  } else {
    line(out, L("System disk"), L("%@ total, %@ free", {bytesAndKB(d.total), bytesAndKB(d.free)}));
  }
  const auto volumes = s.volumes();
  if (volumes.empty()) line(out, L("Volumes"), L("none found"));
  for (const auto& v : volumes) {
    std::string where = v.isInternal ? L("internal") : L("external");
    if (v.isRoot) where += ", " + L("system volume");
    line(out, L("Volume"),
         v.id + " \"" + v.name + "\": " + L("%@ total, %@ free", {bytesAndKB(v.total), bytesAndKB(v.free)}) + ", " +
             where);
  }
}

void printWakeHolders(std::ostream& out, SystemSampler& s) {
  out << L("Kept awake by") << "\n";
  const auto holders = s.wakeHolders();
  if (!holders) {
    line(out, L("Holders"), L("can't be read here (logind does not answer on the system bus)"));
    return;
  }
  if (holders->empty()) line(out, L("Holders"), L("none"));
  for (const auto& h : *holders) {
    line(out, L("Process %@", {std::to_string(h.pid)}),
         (h.name.empty() ? L("unnamed") : h.name) + (h.reason.empty() ? "" : " — " + h.reason));
  }
}

}  // namespace

void printSample(std::ostream& out) {
  // Device batteries and ports need no waiting but take their time (lsof is slow): meanwhile.
  auto devices = std::async(std::launch::async, [] {
    std::ostringstream text;
    printBluetoothSection(text);
    const bool root = ::geteuid() == 0;
    printPortsSection(text, root ? PortSampler::everySocket() : PortSampler(), root);
    return text.str();
  });
  // Readers of counters need two readings a second apart: every first reading is taken now and
  // every second one a second after the first of them, so the report waits once.
  const auto first = std::chrono::steady_clock::now();
  SystemSampler system;
  system.cpu();
  system.network();
  system.disk();
  TrafficSection traffic(first);
  ProcessSection processes(first);
  std::this_thread::sleep_until(first + std::chrono::seconds(1));

  out << "Qel sample\n";
  printProcessor(out, system);
  printMemory(out, system);
  printNetworkAndDisk(out, system);
  printGpu(out, system);
  printPower(out, system);
  printStorage(out, system);
  printWakeHolders(out, system);
  processes.print(out);
  traffic.print(out, processes);
  out << devices.get();
}

}  // namespace qel
