#pragma once
// `qel --sample`: one sample of every reader in plain text, no display needed.
#include <ostream>

namespace qel {

void printSample(std::ostream& out);

}  // namespace qel
