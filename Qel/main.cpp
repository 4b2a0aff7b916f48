#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
  if (argc > 1 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    std::printf("usage: qel [--sample | --replay | --version]\n");
    return 0;
  }
  std::printf("Qel %s\nusage: qel [--sample | --replay | --version]\n", QEL_VERSION);
  return 0;
}
