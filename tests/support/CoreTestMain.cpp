// The core tests' entry: each test process runs in surroundings of its own.
#include <gtest/gtest.h>

#include "tests/support/OwnEnvironment.hpp"

int main(int argc, char** argv) {
  qel::test::useOwnEnvironment();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
