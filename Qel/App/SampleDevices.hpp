#pragma once
// The device-battery and listening-port sections of `qel --sample`.
#include <ostream>

namespace qel {

class PortSampler;

void printBluetoothSection(std::ostream& out);
// The ports as `ports` reads them. lsof run by any user but root (`everyUser` false) sees that
// user's processes only: the section says so rather than calling the ports of others none.
void printPortsSection(std::ostream& out, const PortSampler& ports, bool everyUser);

}  // namespace qel
