#include <gtest/gtest.h>

#include <sys/stat.h>

#include "Qel/History/HistoryDB.hpp"
#include "Qel/Platform/Files/InstanceLock.hpp"
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

TEST(InstanceLock, theStandardLockIsTheHistoryFoldersWhateverTheRuntimeFolder) {
  // The environment as it was, put back at the end.
  struct Saved {
    const char* name;
    std::optional<std::string> value;
    ~Saved() { value ? setenv(name, value->c_str(), 1) : unsetenv(name); }
  };
  auto saved = [](const char* name) {
    const char* v = std::getenv(name);
    return Saved{name, v ? std::optional<std::string>(v) : std::nullopt};
  };
  const Saved keepData = saved("XDG_DATA_HOME"), keepRun = saved("XDG_RUNTIME_DIR");
  test::TempDir dir;
  std::filesystem::create_directories(dir / "run1");
  std::filesystem::create_directories(dir / "run2");
  const std::string data = (dir / "data").string();
  setenv("XDG_DATA_HOME", data.c_str(), 1);
  std::vector<std::filesystem::path> paths;
  for (const char* run : {"run1", "run2", ""}) {
    if (*run)
      setenv("XDG_RUNTIME_DIR", (dir / run).c_str(), 1);
    else
      unsetenv("XDG_RUNTIME_DIR");
    paths.push_back(InstanceLock::standardPath());
  }
  const std::filesystem::path history = HistoryDB::folder();
  EXPECT_EQ(paths, std::vector<std::filesystem::path>(3, history / "qel.lock"));
  InstanceLock first(paths[0]);
  ASSERT_TRUE(first.acquired());
  InstanceLock second(paths[1]);
  EXPECT_FALSE(second.acquired());
  EXPECT_EQ(second.error(), 0);  // held, not unreachable
  dir.write("plain", "x");
  EXPECT_NE(InstanceLock(dir / "plain" / "qel.lock").error(), 0);
}
