#include "Qel/App/SampleDevices.hpp"

#include <string>
#include <string_view>

#include "Qel/Kit/PageText.hpp"
#include "Qel/Platform/Utf8.hpp"
#include "Qel/Samplers/BluetoothSampler.hpp"
#include "Qel/Samplers/PortHints.hpp"
#include "Qel/Samplers/PortSampler.hpp"
#include "Qel/Text/Loc.hpp"

namespace qel {

void printBluetoothSection(std::ostream& out) {
  out << "Device batteries:\n";
  const auto devices = BluetoothSampler::sample();
  if (devices.empty()) out << "  none\n";
  for (const auto& d : devices)
    out << "  " << displayName(deviceWords(d.name)) << "  " << d.percent << "%  " << d.symbolName() << "  id "
        << displayName(d.id) << "\n";
}

void printPortsSection(std::ostream& out, const PortSampler& sampler, bool everyUser) {
  out << "Listening ports:\n";
  const auto ports = sampler.sample();
  if (!ports) {
    out << "  " << L("Listening ports can't be read because the system lsof command can't be run.") << "\n";
    return;
  }
  if (ports->empty())
    out << "  " << (everyUser ? std::string("none") : L("No process under your account is listening on a port right now."))
        << "\n";
  for (const auto& p : *ports) {
    out << "  " << p.proto << " " << p.port << "  " << (p.open ? "open" : "local") << "  ";
    if (p.pid > 0)
      out << displayName(p.command) << " (pid " << p.pid << ")";
    else
      out << L("Unknown");
    if (const char* hint = PortHints::describe(p.port)) out << "  " << L(hint);
    out << "\n";
  }
  if (!everyUser)
    out << "  "
        << L("Only ports of processes under your account. Ports used by system services need administrator rights "
             "to see.")
        << "\n";
}

}  // namespace qel
