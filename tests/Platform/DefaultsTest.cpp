#include <gtest/gtest.h>

#include <sys/stat.h>

#include "Qel/Platform/Defaults.hpp"
#include "tests/support/TempDir.hpp"

using namespace qel;

TEST(Defaults, wrongTypesReadAsTheCallersDefault) {
  test::TempDir dir;
  dir.write("d.json", R"({"b": "yes", "i": 2.5, "big": 1e30, "n": "3", "s": 4, "l": ["a", 1],
                          "ok_b": true, "ok_i": 30, "ok_f": 30.0, "ok_n": 0.25, "ok_s": "x", "ok_l": ["a", "b"]})");
  Defaults d(dir / "d.json");
  EXPECT_FALSE(d.movedAside());
  EXPECT_EQ(d.boolean("b", true), true);
  EXPECT_EQ(d.integer("i", 7), 7);
  EXPECT_EQ(d.integer("big", 7), 7);
  EXPECT_EQ(d.number("n", 1.5), 1.5);
  EXPECT_EQ(d.string("s", "def"), "def");
  EXPECT_EQ(d.strings("l", {"z"}), std::vector<std::string>{"z"});
  EXPECT_EQ(d.integer("missing", -1), -1);

  EXPECT_EQ(d.boolean("ok_b", false), true);
  EXPECT_EQ(d.integer("ok_i", 0), 30);
  EXPECT_EQ(d.integer("ok_f", 0), 30);
  EXPECT_EQ(d.number("ok_n", 0), 0.25);
  EXPECT_EQ(d.string("ok_s", ""), "x");
  EXPECT_EQ(d.strings("ok_l", {}), (std::vector<std::string>{"a", "b"}));
}

TEST(Defaults, writesAtomicallyAndReloads) {
  test::TempDir dir;
  const auto file = dir / "sub" / "defaults.json";
  {
    Defaults d(file);
    EXPECT_TRUE(d.set("qel.keepDays", 12));
    EXPECT_TRUE(d.set("qel.name", std::string("bad \xff utf8")));
    EXPECT_TRUE(d.remove("qel.none"));
  }
  Defaults again(file);
  EXPECT_EQ(again.integer("qel.keepDays", 30), 12);
  EXPECT_TRUE(again.has("qel.name"));
  // No temporary files are left behind.
  int files = 0;
  for (auto& e : std::filesystem::directory_iterator(file.parent_path())) files += e.is_regular_file();
  EXPECT_EQ(files, 1);
}

TEST(Defaults, corruptFileIsMovedAsideNotDeleted) {
  for (const char* text : {"{\"a\": ", "[1, 2]", "\x00\x01garbage", "42"}) {
    test::TempDir dir;
    const auto file = dir.write("defaults.json", text);
    Defaults d(file);
    ASSERT_TRUE(d.movedAside()) << text;
    EXPECT_EQ(test::readFile(*d.movedAside()), std::string(text));
    EXPECT_EQ(d.integer("qel.keepDays", 30), 30);
    EXPECT_TRUE(d.set("qel.keepDays", 5));
    EXPECT_EQ(Defaults(file).integer("qel.keepDays", 30), 5);
  }
}

TEST(Defaults, unwritableFolderKeepsTheValueInMemory) {
  if (geteuid() == 0) GTEST_SKIP() << "root can write anywhere";
  test::TempDir dir;
  std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  Defaults d(dir / "defaults.json");
  EXPECT_FALSE(d.set("k", 1));
  EXPECT_EQ(d.integer("k", 0), 1);
}
