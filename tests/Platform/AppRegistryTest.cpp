#include <gtest/gtest.h>

#include <filesystem>

#include "Qel/Platform/Desktop/AppRegistry.hpp"
#include "tests/support/TempDir.hpp"

using namespace qel;
namespace fs = std::filesystem;

namespace {

std::string entry(const std::string& name, const std::string& exec, const std::string& extra = "") {
  return "[Desktop Entry]\nType=Application\nName=" + name + "\nExec=" + exec + "\nIcon=" + name + "-icon\n" + extra;
}

struct Fixture {
  test::TempDir dir;
  fs::path home = dir / "home", system = dir / "system", bin = dir / "bin";
  fs::path program(const std::string& name) const { return fs::canonical(dir.write("bin/" + name, "#!/bin/true\n")); }
  AppRegistry registry() const { return AppRegistry({.dataDirs = {home, system}, .locale = "", .searchPath = {bin}}); }
};

}  // namespace

TEST(AppRegistry, loadsEntriesWithTheFirstFolderWinning) {
  Fixture f;
  const auto viewer = f.program("viewer");
  const auto editor = f.program("editor");
  fs::create_symlink(editor, f.bin / "edit-link");
  f.dir.write("system/applications/viewer.desktop", entry("Viewer", "viewer %U"));
  f.dir.write("home/applications/viewer.desktop", entry("My Viewer", "viewer"));  // the user's own wins
  f.dir.write("system/applications/gone.desktop", entry("Gone", "viewer"));
  f.dir.write("home/applications/gone.desktop", "[Desktop Entry]\nHidden=true\n");  // deleted by the user
  f.dir.write("system/applications/kde/editor.desktop",
              entry("Editor", "edit-link", "TryExec=" + editor.string() + "\n"));
  f.dir.write("system/applications/link.desktop", "[Desktop Entry]\nType=Link\nName=Site\nURL=https://x\n");
  f.dir.write("system/applications/broken.desktop", "no group here\n");
  f.dir.write("system/applications/script.desktop", entry("Script", "python3 /opt/script.py"));
  f.dir.write("system/applications/shell.desktop", entry("Shell", "sh -c \"viewer --x\""));
  f.dir.write("system/applications/missing.desktop", entry("Missing", "/nonexistent/prog"));
  f.dir.write("system/applications/notes.txt", entry("Not an entry", "viewer"));

  auto registry = f.registry();
  const auto table = registry.table();
  std::vector<std::string> ids;
  for (const auto& e : table->entries()) ids.push_back(e.id);
  EXPECT_EQ(ids, (std::vector<std::string>{"viewer", "kde-editor", "missing", "script", "shell"}));

  const AppEntry* v = table->byId("viewer");
  ASSERT_TRUE(v);
  EXPECT_EQ(*v, (AppEntry{.key = (f.home / "applications/viewer.desktop").string(), .id = "viewer", .name = "My Viewer",
                          .icon = "My Viewer-icon", .executables = {viewer.string()}, .noDisplay = false}));
  // A symlinked program and its TryExec both resolve to the one real file.
  EXPECT_EQ(table->byId("kde-editor")->executables, std::vector<std::string>{editor.string()});
  // Entries that start an interpreter, a shell or a missing program claim no processes.
  EXPECT_TRUE(table->byId("script")->executables.empty());
  EXPECT_TRUE(table->byId("shell")->executables.empty());
  EXPECT_TRUE(table->byId("missing")->executables.empty());
  EXPECT_EQ(table->byExecutable(viewer.string()), v);
  EXPECT_EQ(table->byKey(v->key), v);
  EXPECT_EQ(table->byKey((f.system / "applications/viewer.desktop").string()), nullptr);
}

TEST(AppRegistry, matchesAProcessByLaunchUnitOrProgram) {
  Fixture f;
  const auto browser = f.program("browser").string();
  const auto helper = f.program("helper").string();
  const auto term = f.program("term").string();
  f.dir.write("system/applications/org.example.Browser.desktop", entry("Browser", browser));
  f.dir.write("system/applications/browser-helper.desktop", entry("Helper entry", browser, "NoDisplay=true\n"));
  f.dir.write("system/applications/term.desktop", entry("Term", "term"));
  auto registry = f.registry();
  const auto table = registry.table();
  const auto browserKey = (f.system / "applications/org.example.Browser.desktop").string();
  const auto termKey = (f.system / "applications/term.desktop").string();

  struct Row {
    const char* what;
    ProcessFacts facts;
    std::string key;
    bool isMain;
  };
  const Row rows[] = {
      {"launched file, a helper", {.launchedDesktopFile = browserKey, .exe = helper}, browserKey, false},
      {"launched file, the launched process",
       {.launchedDesktopFile = browserKey, .launchedHere = true, .exe = helper},
       browserKey,
       true},
      {"launched file elsewhere, same id",
       {.launchedDesktopFile = "/old/path/term.desktop", .exe = term},
       termKey,
       true},
      {"app unit, helper", {.appUnit = "app-gnome-org.example.Browser-77.scope", .exe = helper}, browserKey, false},
      {"app unit, main program", {.appUnit = "app-org.example.Browser@3.service", .exe = browser}, browserKey, true},
      {"unit beats program", {.appUnit = "app-term-5.scope", .exe = browser}, termKey, false},
      {"program alone; the shown entry wins", {.exe = browser}, browserKey, true},
      {"unknown launch file and unit fall through",
       {.launchedDesktopFile = "/x/none.desktop", .appUnit = "app-none-1.scope", .exe = term},
       termKey,
       true},
      {"nothing known", {.exe = helper}, "", false},
      {"no facts", {}, "", false},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.what);
    const AppMatch m = table->match(r.facts);
    EXPECT_EQ(m.app ? m.app->key : "", r.key);
    EXPECT_EQ(m.isMain, r.isMain);
  }
  EXPECT_TRUE(isAppKey(browserKey));
  EXPECT_FALSE(isAppKey(browser));
  EXPECT_FALSE(isAppKey("/usr/bin/x.desktop"));
  EXPECT_FALSE(isAppKey("relative/applications/x.desktop"));
}

TEST(AppRegistry, reloadsOnlyWhenAnApplicationFolderChanges) {
  Fixture f;
  f.program("viewer");
  f.dir.write("system/applications/viewer.desktop", entry("Viewer", "viewer"));
  fs::create_directories(f.home);
  auto registry = f.registry();
  const auto first = registry.table();
  EXPECT_EQ(registry.table(), first);  // nothing changed: the same table, no rescan

  f.dir.write("home/recently-used.xbel", "<xbel/>");  // the data folder holds unrelated files too
  EXPECT_EQ(registry.table(), first);

  f.dir.write("system/applications/sub/new.desktop", entry("New", "viewer"));
  const auto second = registry.table();
  ASSERT_NE(second, first);
  EXPECT_EQ(second->generation(), first->generation() + 1);
  EXPECT_TRUE(second->byId("sub-new"));

  // An applications folder appearing in a data folder that had none.
  f.dir.write("home/applications/mine.desktop", entry("Mine", "viewer"));
  const auto third = registry.table();
  ASSERT_NE(third, second);
  EXPECT_TRUE(third->byId("mine"));

  // And a change inside it, now that it is watched.
  fs::remove(f.home / "applications/mine.desktop");
  EXPECT_FALSE(registry.table()->byId("mine"));
}

// Names follow the language on screen: an entry's Name for that language (or for its language
// without the country), else its plain Name; the entries and their keys stay as they are.
TEST(AppRegistry, namesFollowTheLanguageSetLater) {
  Fixture f;
  f.dir.write("system/applications/monitor.desktop",
              entry("System Monitor", "monitor", "Name[de]=Systemüberwachung\nName[pt_BR]=Monitor do sistema\n"
                                                 "Name[zh_CN]=系统监视器\n"));
  auto registry = f.registry();
  const auto key = (f.system / "applications/monitor.desktop").string();
  const auto nameIn = [&](const char* language) {
    registry.setLanguage(language);
    return registry.table()->byKey(key)->name;
  };
  const auto before = registry.table()->generation();
  EXPECT_EQ(nameIn("de"), "Systemüberwachung");
  EXPECT_GT(registry.table()->generation(), before);  // processes are matched again, named anew
  EXPECT_EQ(nameIn("pt-BR"), "Monitor do sistema");
  EXPECT_EQ(nameIn("zh-Hans"), "系统监视器");
  EXPECT_EQ(nameIn("ja"), "System Monitor");
  EXPECT_EQ(nameIn("en"), "System Monitor");
  const auto same = registry.table()->generation();
  registry.setLanguage("en");
  EXPECT_EQ(registry.table()->generation(), same);  // the same language reads nothing again
}
