#include "Qel/Samplers/SampleReport.hpp"

namespace qel {

void printSample(std::ostream& out) {
  // Each reader adds its section here as it lands.
  out << "Qel sample\n";
}

}  // namespace qel
