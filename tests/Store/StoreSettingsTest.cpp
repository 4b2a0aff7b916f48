#include "tests/Store/StoreHarness.hpp"

using namespace qel;
using namespace qel::test;

TEST_F(StoreTest, freshUserGetsTheDefaults) {
  makeStore(false);
  EXPECT_EQ(store->language(), "system");
  EXPECT_EQ(store->menuItems(), (std::set<std::string>{"ring", "cpu"}));
  EXPECT_EQ(store->tabValues(), "always");
  EXPECT_EQ(store->menuIconStyle(), "auto");
  EXPECT_EQ(store->appearance(), "system");
  EXPECT_TRUE(store->dockLoad());
  EXPECT_TRUE(store->tameRules().empty());
  EXPECT_EQ(store->keepDays(), 30);
  EXPECT_EQ(store->page(), Page::overview);
  EXPECT_EQ(store->ringMode(), RingMode::day);
  EXPECT_EQ(store->settingsTab(), "general");
}

TEST_F(StoreTest, wrongTypedStoredSettingsReadAsDefaults) {
  dir.write("defaults.json", R"({"qel.language": 3, "qel.menuItems": "cpu", "qel.tabValues": ["x"],
    "qel.menuIconStyle": null, "qel.appearance": false, "qel.dockLoad": "no",
    "qel.tameRules": {"/a.desktop": "slow", "/b.desktop": 1}, "qel.keepDays": "7"})");
  defaults = std::make_unique<Defaults>(dir / "defaults.json");
  makeStore(false);
  EXPECT_EQ(store->language(), "system");
  EXPECT_EQ(store->menuItems(), (std::set<std::string>{"ring", "cpu"}));
  EXPECT_EQ(store->tabValues(), "always");
  EXPECT_EQ(store->menuIconStyle(), "auto");
  EXPECT_EQ(store->appearance(), "system");
  EXPECT_TRUE(store->dockLoad());
  EXPECT_TRUE(store->tameRules().empty());  // one non-string value voids them all
  EXPECT_EQ(store->keepDays(), 30);
}

TEST_F(StoreTest, aSettingsFileSetAsideIsToldOnStart) {
  dir.write("defaults.json", "{\"qel.language\": ");
  defaults = std::make_unique<Defaults>(dir / "defaults.json");
  const auto aside = defaults->movedAside();
  ASSERT_TRUE(aside);
  makeStore(false);
  store->start();
  EXPECT_EQ(store->toast(), "The settings file could not be read. It was kept as " + aside->string() +
                                " and the settings start from their defaults.");
}

TEST_F(StoreTest, storedSettingsAreReadAndRangeChecked) {
  dir.write("defaults.json", R"({"qel.menuItems": ["cpu", "cpu"], "qel.dockLoad": false,
    "qel.tameRules": {"/a.desktop": "pause"}, "qel.keepDays": 99999999999})");
  defaults = std::make_unique<Defaults>(dir / "defaults.json");
  makeStore(false);
  EXPECT_EQ(store->menuItems(), (std::set<std::string>{"cpu"}));
  EXPECT_FALSE(store->dockLoad());
  EXPECT_EQ(store->tameRules().at("/a.desktop"), "pause");
  EXPECT_EQ(store->keepDays(), 36500);
  dir.write("defaults.json", R"({"qel.keepDays": -5})");
  defaults = std::make_unique<Defaults>(dir / "defaults.json");
  makeStore(false);
  EXPECT_EQ(store->keepDays(), 0);
}

TEST_F(StoreTest, settersWriteBack) {
  makeStore(false);
  store->setMenuItems({"mem", "net"});
  store->setTabValues("bars");
  store->setMenuIconStyle("cat");
  store->setAppearance("dark");
  store->setDockLoad(false);
  store->setTameRules({{"/a.desktop", "slow"}});
  store->setKeepDays(7);
  store->setLanguage("en");
  Defaults reread(dir / "defaults.json");
  EXPECT_EQ(reread.strings("qel.menuItems", {}), (std::vector<std::string>{"mem", "net"}));
  EXPECT_EQ(reread.string("qel.tabValues", ""), "bars");
  EXPECT_EQ(reread.string("qel.menuIconStyle", ""), "cat");
  EXPECT_EQ(reread.string("qel.appearance", ""), "dark");
  EXPECT_FALSE(reread.boolean("qel.dockLoad", true));
  EXPECT_EQ(reread.integer("qel.keepDays", 0), 7);
  EXPECT_EQ(reread.string("qel.language", ""), "en");
  EXPECT_EQ(reread.value("qel.tameRules")->at("/a.desktop"), "slow");
}

TEST_F(StoreTest, keepDaysPrunesOlderDays) {
  makeStore();
  store->history()->save("2026-06-01", 0, DayBucket{.count = 1});
  store->history()->save("2026-06-10", 0, DayBucket{.count = 1});
  store->history()->save("2026-06-14", 0, DayBucket{.count = 1});
  store->setKeepDays(7);  // nothing goes before today is recorded
  EXPECT_EQ(store->history()->recordedDays().size(), 3u);
  store->history()->save("2026-06-15", 0, DayBucket{.count = 1});
  store->setKeepDays(0);  // keeps everything
  EXPECT_EQ(store->history()->recordedDays().size(), 4u);
  store->setKeepDays(7);  // today is 2026-06-15: days before 06-08 go
  EXPECT_EQ(store->history()->recordedDays(), (std::vector<std::string>{"2026-06-15", "2026-06-14", "2026-06-10"}));
}
