#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

#include "Qel/Platform/Files/Defaults.hpp"
#include "Qel/Platform/Files/DefaultsText.hpp"
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
  using namespace std::string_literals;
  for (const std::string& text : {"{\"a\": "s, "[1, 2]"s, "\x00\x01garbage"s, "42"s, "{\"a\": 1e400"s, "{\"a\" 1}"s}) {
    test::TempDir dir;
    const auto file = dir.write("defaults.json", text);
    Defaults d(file);
    ASSERT_TRUE(d.movedAside()) << text;
    EXPECT_EQ(test::readFile(*d.movedAside()), text);
    EXPECT_EQ(d.integer("qel.keepDays", 30), 30);
    EXPECT_TRUE(d.set("qel.keepDays", 5));
    EXPECT_EQ(Defaults(file).integer("qel.keepDays", 30), 5);
  }
}

namespace {
// Empty when a folder that can't be written keeps a set value in memory, else what went wrong.
std::string checkUnwritableFolder(const std::filesystem::path& dir) {
  namespace fs = std::filesystem;
  fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
  std::string failed;
  {
    Defaults d(dir / "defaults.json");
    if (d.set("k", 1)) failed += "written; ";
    if (d.integer("k", 0) != 1) failed += "not kept; ";
  }
  fs::permissions(dir, fs::perms::owner_all);
  return failed;
}
}  // namespace

TEST(Defaults, unwritableFolderKeepsTheValueInMemory) {
  test::TempDir dir;
  if (geteuid() != 0) {
    EXPECT_EQ(checkUnwritableFolder(dir.path()), "");
    return;
  }
  // Root writes anywhere: check as an unprivileged user in a child process.
  GTEST_FLAG_SET(death_test_style, "fast");
  EXPECT_EXIT(
      {
        const uid_t nobody = 65534;
        if (chown(dir.path().c_str(), nobody, nobody) != 0 || setgid(nobody) != 0 || setuid(nobody) != 0) _exit(2);
        const std::string failed = checkUnwritableFolder(dir.path());
        std::fputs(failed.c_str(), stderr);
        _exit(failed.empty() ? 0 : 1);
      },
      testing::ExitedWithCode(0), "");
}

TEST(Defaults, anUnreadableValueFallsBackAloneAndTheRestIsKept) {
  test::TempDir dir;
  const auto file = dir.write("defaults.json", "{\"qel.keepDays\": 1e400, \"qel.language\": \"de\",\n"
                                               " \"qel.tameRules\": {\"/a.desktop\": \"pause\", \"/b.desktop\": -1e999},\n"
                                               " \"qel.name\": \"bad \xff utf8\", \"qel.dockLoad\": yes,\n"
                                               " \"bad \xfe key\": 3, \"qel.menuItems\": [\"cpu\", 99999e99999]}");
  Defaults d(file);
  EXPECT_FALSE(d.movedAside());
  EXPECT_EQ(d.integer("qel.keepDays", 30), 30);
  EXPECT_FALSE(d.has("qel.keepDays"));
  EXPECT_EQ(d.string("qel.language", "system"), "de");
  EXPECT_EQ(d.value("qel.tameRules"), (nlohmann::json{{"/a.desktop", "pause"}, {"/b.desktop", nullptr}}));
  EXPECT_EQ(d.string("qel.name", "none"), "none");
  EXPECT_EQ(d.boolean("qel.dockLoad", true), true);
  EXPECT_EQ(d.value("qel.menuItems"), (nlohmann::json{"cpu", nullptr}));
  // What couldn't be read is not written back; what could is, as it was written.
  EXPECT_TRUE(d.set("qel.appearance", "dark"));
  const auto again = parseDefaultsText(test::readFile(file));
  ASSERT_TRUE(again);
  EXPECT_EQ(again->size(), 4u) << again->dump();
  EXPECT_EQ((*again)["qel.language"], "de");
  EXPECT_EQ((*again)["qel.menuItems"], (nlohmann::json{"cpu", nullptr}));
}

TEST(Defaults, aFileTooDeepOrTooLongToBeSettingsIsMovedAsideUnread) {
  auto nested = [](int levels) {
    return "{\"qel.language\":\"system\",\"x\":" + std::string(std::size_t(levels), '[') +
           std::string(std::size_t(levels), ']') + "}";
  };
  const std::string texts[] = {nested(100'000), nested(16), "{\"qel.keepDays\": 7}" + std::string(2'000'000, ' ')};
  for (const auto& text : texts) {
    test::TempDir dir;
    const auto file = dir.write("defaults.json", text);
    Defaults d(file);
    ASSERT_TRUE(d.movedAside()) << text.size();
    EXPECT_EQ(test::readFile(*d.movedAside()), text);
    EXPECT_EQ(d.integer("qel.keepDays", 30), 30);
    EXPECT_TRUE(d.set("qel.language", "de"));
    EXPECT_LT(std::filesystem::file_size(file), 100u);
  }
}

TEST(Defaults, whatIsKeptIsWrittenBackNoLongerThanItWasRead) {
  // The deepest nesting read, in many settings: indenting each level would write it many times over.
  std::string text = "{\"qel.keepDays\": 7";
  for (int i = 0; i < 500; ++i) text += ",\n\"k" + std::to_string(i) + "\": " + std::string(15, '[') + std::string(15, ']');
  test::TempDir dir;
  const auto file = dir.write("defaults.json", text + "}");
  EXPECT_TRUE(Defaults(file).set("qel.keepDays", 8));
  EXPECT_LE(std::filesystem::file_size(file), text.size() + 500 * 4);
  EXPECT_EQ(Defaults(file).value("k499"), nlohmann::json::parse(std::string(15, '[') + std::string(15, ']')));
}

TEST(Defaults, eachSettingKeepsTheTextItWasWrittenInUntilItChanges) {
  test::TempDir dir;
  const std::string text = "{\"n\": 1e5, \"list\": [1E+3, \"\\u00e9\"],\n \"qel.keepDays\": 7.0, \"gone\": yes}";
  const auto file = dir.write("defaults.json", text);
  Defaults d(file);
  EXPECT_TRUE(d.set("qel.keepDays", 7));  // the same value: its text stays
  const std::string kept = "{\"n\": 1e5, \"list\": [1E+3, \"\\u00e9\"],\n \"qel.keepDays\": 7.0}";
  EXPECT_EQ(test::readFile(file), kept);
  EXPECT_TRUE(d.set("qel.language", "de"));
  EXPECT_EQ(test::readFile(file), "{\"n\": 1e5, \"list\": [1E+3, \"\\u00e9\"],\n \"qel.keepDays\": 7.0,\n  \"qel.language\": \"de\"}");
  EXPECT_TRUE(d.set("n", 2));
  EXPECT_TRUE(d.remove("list"));
  EXPECT_EQ(test::readFile(file), "{\"n\": 2,\n \"qel.keepDays\": 7.0,\n  \"qel.language\": \"de\"}");
  EXPECT_EQ(Defaults(file).value("n"), nlohmann::json(2));
}

TEST(Defaults, aFileNearTheLimitStaysWithinItAndAWritePastItIsRefusedWithTheValueKept) {
  std::string text = "{\"qel.keepDays\": 7, \"x\": [";  // the long way, 1e15 would take 18 bytes
  while (text.size() < 1'000'000) text += "1e15,";
  text += "0]}";
  test::TempDir dir;
  const auto file = dir.write("defaults.json", text);
  Defaults d(file);
  ASSERT_FALSE(d.movedAside());
  int told = 0;
  d.onTooLong([&] { ++told; });
  EXPECT_TRUE(d.set("qel.language", "de"));
  const std::string written = test::readFile(file);
  EXPECT_EQ(written.size(), text.size() + std::string(",\n  \"qel.language\": \"de\"").size());

  const std::string big(100'000, 'b');
  EXPECT_FALSE(d.set("big", big));
  EXPECT_FALSE(d.set("qel.language", "fr"));
  EXPECT_EQ(told, 1);
  EXPECT_EQ(d.string("big", ""), big);
  EXPECT_EQ(test::readFile(file), written);
  EXPECT_TRUE(d.remove("big"));
  EXPECT_EQ(Defaults(file).string("qel.language", ""), "fr");
  EXPECT_FALSE(d.set("big", big));
  EXPECT_EQ(told, 2);
}

namespace {
// Empty when a settings file this user can't read keeps its text and says why, else what went wrong.
std::string checkUnreadableFile(const std::filesystem::path& dir) {
  const std::string text = "{\"qel.keepDays\": 7}";
  const auto file = dir / "defaults.json";
  std::ofstream(file) << text;
  ::chmod(file.c_str(), 0);
  std::string failed;
  {
    Defaults d(file);
    if (d.unreadable() != std::strerror(EACCES)) failed += "not told why; ";
    if (d.movedAside()) failed += "moved aside; ";
    if (d.integer("qel.keepDays", 30) != 30) failed += "read; ";
    if (d.set("qel.lastSeenVersion", "1.0")) failed += "written; ";
    if (d.string("qel.lastSeenVersion", "") != "1.0") failed += "not kept; ";
  }
  ::chmod(file.c_str(), 0600);
  if (test::readFile(file) != text) failed += "written over; ";
  return failed;
}
}  // namespace

TEST(Defaults, aFileThatCantBeReadIsNeverWrittenOver) {
  test::TempDir dir;
  // A folder where the file should be: root can't read it as a file either.
  dir.write("defaults.json/note", "mine");
  {
    Defaults d(dir / "defaults.json");
    EXPECT_EQ(d.unreadable(), std::strerror(EISDIR));
    EXPECT_FALSE(d.movedAside());
    EXPECT_FALSE(d.set("qel.lastSeenVersion", "1.0"));
    EXPECT_EQ(d.string("qel.lastSeenVersion", ""), "1.0");
  }
  EXPECT_EQ(test::readFile(dir / "defaults.json" / "note"), "mine");

  test::TempDir own;
  if (geteuid() != 0) {
    EXPECT_EQ(checkUnreadableFile(own.path()), "");
    return;
  }
  // Root reads any file: check as an unprivileged user in a child process.
  GTEST_FLAG_SET(death_test_style, "fast");
  EXPECT_EXIT(
      {
        const uid_t nobody = 65534;
        if (chown(own.path().c_str(), nobody, nobody) != 0 || setgid(nobody) != 0 || setuid(nobody) != 0) _exit(2);
        const std::string failed = checkUnreadableFile(own.path());
        std::fputs(failed.c_str(), stderr);
        _exit(failed.empty() ? 0 : 1);
      },
      testing::ExitedWithCode(0), "");
}
