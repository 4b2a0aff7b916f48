#include <cstdio>
#include <cstring>
#include <iostream>

#include "Qel/App/QelApp.hpp"
#include "Qel/Platform/Runtime/Heap.hpp"
#include "Qel/Platform/Runtime/OpenFileLimit.hpp"
#include "Qel/App/SampleReport.hpp"

namespace {
constexpr const char* kUsage = "usage: qel [--sample | --replay | --version | --help]\n";
}

int main(int argc, char** argv) {
  qel::settleHeap();
  qel::raiseOpenFileLimit();
  const char* arg = argc > 1 ? argv[1] : nullptr;
  auto is = [arg](const char* word) { return arg && std::strcmp(arg, word) == 0; };
  // These need no display.
  if (is("--sample")) {
    qel::printSample(std::cout);
    return 0;
  }
  if (is("--help") || is("-h")) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (is("--version")) {
    std::printf("Qel %s\n", QEL_VERSION);
    return 0;
  }
  if (arg && !is("--replay")) {
    std::fprintf(stderr, "qel: unknown option %s\n%s", arg, kUsage);
    return 2;
  }
  return qel::runDesktop(argc, argv, is("--replay") ? qel::InstanceRequest::replay : qel::InstanceRequest::show);
}
