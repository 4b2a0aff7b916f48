#pragma once
// The device-battery and listening-port sections of `qel --sample`.
#include <ostream>

namespace qel {

void printBluetoothSection(std::ostream& out);
void printPortsSection(std::ostream& out);

}  // namespace qel
