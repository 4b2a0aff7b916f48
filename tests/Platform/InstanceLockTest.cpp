#include <gtest/gtest.h>

#include <sys/stat.h>

#include "Qel/Platform/InstanceLock.hpp"
#include "tests/support/TempDir.hpp"

using namespace qel;

TEST(InstanceLock, onlyOneHolderAtATimeAndItIsFreeAgainWhenTheHolderGoes) {
  test::TempDir dir;
  const auto file = dir / "run" / "qel.lock";
  auto first = std::make_unique<InstanceLock>(file);
  ASSERT_TRUE(first->acquired());
  struct stat st {};
  ASSERT_EQ(stat(file.parent_path().c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);
  EXPECT_FALSE(InstanceLock(file).acquired());
  first.reset();
  EXPECT_TRUE(InstanceLock(file).acquired());
  dir.write("plain", "x");
  EXPECT_FALSE(InstanceLock(dir / "plain" / "qel.lock").acquired());
}

TEST(InstanceLock, standardPathPrefersTheRuntimeFolder) {
  test::TempDir dir;
  setenv("XDG_RUNTIME_DIR", dir.path().c_str(), 1);
  EXPECT_EQ(InstanceLock::standardPath(), dir / "qel.lock");
  setenv("XDG_RUNTIME_DIR", "relative", 1);
  setenv("XDG_DATA_HOME", (dir / "data").c_str(), 1);
  EXPECT_EQ(InstanceLock::standardPath(), dir / "data" / "Qel" / "qel.lock");
  unsetenv("XDG_RUNTIME_DIR");
  EXPECT_EQ(InstanceLock::standardPath(), dir / "data" / "Qel" / "qel.lock");
}
