#include <gtest/gtest.h>

#include "Qel/Platform/Proc/SysRoot.hpp"
#include "tests/support/TempDir.hpp"

using namespace qel;

TEST(KeptFile, rereadsFreshContentAndCaps) {
  test::TempDir dir;
  const auto file = dir.write("counter", "first\n");
  KeptFile kept(file);
  std::string text;
  ASSERT_TRUE(kept.read(text));
  EXPECT_EQ(text, "first\n");
  dir.write("counter", "second, longer\n");  // same inode: truncated and rewritten
  ASSERT_TRUE(kept.read(text));
  EXPECT_EQ(text, "second, longer\n");
  ASSERT_TRUE(kept.read(text, 6));
  EXPECT_EQ(text, "second");
  EXPECT_FALSE(KeptFile(dir / "missing").read(text));
  EXPECT_EQ(readText(dir / "missing"), std::nullopt);
  EXPECT_EQ(readText(SysRoot{dir.path()}.path("counter")), "second, longer\n");
  std::string big(10000, 'x');
  dir.write("big", big);
  EXPECT_EQ(readText(dir / "big")->size(), 10000u);
}
