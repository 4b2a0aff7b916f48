#include "Qel/Samplers/SampleReport.hpp"

#include "Qel/Samplers/SampleDevices.hpp"

namespace qel {

void printSample(std::ostream& out) {
  // Each reader adds its section here as it lands.
  out << "Qel sample\n";
  printBluetoothSection(out);
  printPortsSection(out);
}

}  // namespace qel
