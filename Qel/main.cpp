#include <cstdio>
#include <cstring>
#include <iostream>

#include "Qel/Platform/OpenFileLimit.hpp"
#include "Qel/Samplers/SampleReport.hpp"

namespace {
constexpr const char* kUsage = "usage: qel [--sample | --replay | --version | --help]\n";
}

int main(int argc, char** argv) {
  qel::raiseOpenFileLimit();
  if (argc > 1 && std::strcmp(argv[1], "--sample") == 0) {
    qel::printSample(std::cout);
    return 0;
  }
  if (argc > 1 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  std::printf("Qel %s\n%s", QEL_VERSION, kUsage);
  return 0;
}
