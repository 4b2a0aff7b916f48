#pragma once
// The process and per-app traffic sections of `qel --sample`.
#include <ostream>

namespace qel {

// The busiest processes by CPU over one second, with their applications.
void printProcessSection(std::ostream& out);
// TCP traffic per application over two seconds.
void printTrafficSection(std::ostream& out);

}  // namespace qel
