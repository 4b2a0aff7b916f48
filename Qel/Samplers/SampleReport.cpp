#include "Qel/Samplers/SampleReport.hpp"

#include "Qel/Samplers/SampleProcesses.hpp"

namespace qel {

void printSample(std::ostream& out) {
  // Each reader adds its section here as it lands.
  out << "Qel sample\n";
  printProcessSection(out);
  printTrafficSection(out);
}

}  // namespace qel
