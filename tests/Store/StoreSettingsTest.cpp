#include "tests/Store/StoreHarness.hpp"

#include <cerrno>
#include <cstring>
#include <type_traits>
#include <variant>

#include "Qel/Text/Loc.hpp"

using namespace qel;
using namespace qel::test;

TEST_F(StoreTest, freshUserGetsTheDefaults) {
  makeStore(false);
  EXPECT_EQ(store->setting(Setting::language), "system");
  EXPECT_EQ(store->setting(Setting::menuItems), (std::set<std::string>{"ring", "cpu"}));
  EXPECT_EQ(store->setting(Setting::tabValues), "always");
  EXPECT_EQ(store->setting(Setting::menuIconStyle), "auto");
  EXPECT_EQ(store->setting(Setting::appearance), "system");
  EXPECT_TRUE(store->setting(Setting::dockLoad));
  EXPECT_TRUE(store->taming().tameRules.empty());
  EXPECT_EQ(store->setting(Setting::keepDays), 30);
  EXPECT_EQ(store->navigation().page, Page::overview);
  EXPECT_EQ(store->dayView().ringMode, RingMode::day);
  EXPECT_EQ(store->navigation().settingsTab, "general");
}

TEST_F(StoreTest, wrongTypedStoredSettingsReadAsDefaults) {
  dir.write("defaults.json", R"({"qel.language": 3, "qel.menuItems": "cpu", "qel.tabValues": ["x"],
    "qel.menuIconStyle": null, "qel.appearance": false, "qel.dockLoad": "no",
    "qel.tameRules": {"/a.desktop": "slow", "/b.desktop": 1}, "qel.keepDays": "7"})");
  defaults = std::make_unique<Defaults>(dir / "defaults.json");
  makeStore(false);
  EXPECT_EQ(store->setting(Setting::language), "system");
  EXPECT_EQ(store->setting(Setting::menuItems), (std::set<std::string>{"ring", "cpu"}));
  EXPECT_EQ(store->setting(Setting::tabValues), "always");
  EXPECT_EQ(store->setting(Setting::menuIconStyle), "auto");
  EXPECT_EQ(store->setting(Setting::appearance), "system");
  EXPECT_TRUE(store->setting(Setting::dockLoad));
  EXPECT_TRUE(store->taming().tameRules.empty());  // one non-string value voids them all
  EXPECT_EQ(store->setting(Setting::keepDays), 30);
}

TEST_F(StoreTest, aSettingsFileSetAsideIsToldOnStart) {
  dir.write("defaults.json", "{\"qel.language\": ");
  defaults = std::make_unique<Defaults>(dir / "defaults.json");
  const auto aside = defaults->movedAside();
  ASSERT_TRUE(aside);
  makeStore(false);
  store->start();
  EXPECT_EQ(store->navigation().toast, "The settings file could not be read. It was kept as " + aside->string() +
                                " and the settings start from their defaults.");
}

TEST_F(StoreTest, aSettingsFileThatCantBeReadIsToldOnStartAndASettingPastTheLimitWhenItIsRefused) {
  dir.write("unreadable/defaults.json/note", "a folder in the file's place");
  defaults = std::make_unique<Defaults>(dir / "unreadable" / "defaults.json");
  makeStore(false);
  store->start();
  EXPECT_EQ(store->navigation().toast, "The settings file " + (dir / "unreadable" / "defaults.json").string() + " can't be read (" +
                                           std::strerror(EISDIR) +
                                           "). The settings start from their defaults and changes are not saved, so the file stays as it is.");

  store.reset();  // the store tells its settings file goodbye, so that file must outlive it
  defaults = std::make_unique<Defaults>(dir / "defaults.json");
  makeStore(false);
  store->start();
  store->setTameRules({{std::string(600'000, 'a'), "slow"}});
  store->setTameRules({{std::string(600'000, 'a'), "slow"}, {std::string(600'000, 'b'), "slow"}});
  settle();
  EXPECT_EQ(store->navigation().toast, "The settings could not be saved: " + (dir / "defaults.json").string() +
                                           " would grow past 1 MB, more than Qel reads back. The changes hold until Qel quits.");
  EXPECT_EQ(store->taming().tameRules.size(), 2u);
  EXPECT_EQ(Defaults(dir / "defaults.json").value("qel.tameRules")->size(), 1u);
}

TEST_F(StoreTest, storedSettingsAreReadAndRangeChecked) {
  dir.write("defaults.json", R"({"qel.menuItems": ["cpu", "cpu"], "qel.dockLoad": false,
    "qel.tameRules": {"/a.desktop": "pause"}, "qel.keepDays": 99999999999})");
  defaults = std::make_unique<Defaults>(dir / "defaults.json");
  makeStore(false);
  EXPECT_EQ(store->setting(Setting::menuItems), (std::set<std::string>{"cpu"}));
  EXPECT_FALSE(store->setting(Setting::dockLoad));
  EXPECT_EQ(store->taming().tameRules.at("/a.desktop"), "pause");
  EXPECT_EQ(store->setting(Setting::keepDays), 36500);
  dir.write("defaults.json", R"({"qel.keepDays": -5})");
  store.reset();
  defaults = std::make_unique<Defaults>(dir / "defaults.json");
  makeStore(false);
  EXPECT_EQ(store->setting(Setting::keepDays), 0);
}

TEST_F(StoreTest, settersWriteBack) {
  makeStore(false);
  store->set(Setting::menuItems, {"mem", "net"});
  store->set(Setting::tabValues, "bars");
  store->set(Setting::menuIconStyle, "cat");
  store->set(Setting::appearance, "dark");
  store->set(Setting::dockLoad, false);
  store->setTameRules({{"/a.desktop", "slow"}});
  store->set(Setting::keepDays, 7);
  store->set(Setting::language, "en");
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
  store->set(Setting::keepDays, 7);  // nothing goes before today is recorded
  EXPECT_EQ(store->history()->recordedDays().size(), 3u);
  store->history()->save("2026-06-15", 0, DayBucket{.count = 1});
  store->set(Setting::keepDays, 0);  // keeps everything
  EXPECT_EQ(store->history()->recordedDays().size(), 4u);
  store->set(Setting::keepDays, 7);  // today is 2026-06-15: days before 06-08 go
  EXPECT_EQ(store->history()->recordedDays(), (std::vector<std::string>{"2026-06-15", "2026-06-14", "2026-06-10"}));
}

// Whatever a declaration holds, what is set is what the next run reads, under a key of its own.
TEST_F(StoreTest, everyDeclaredSettingReadsBackWhatWasSet) {
  makeStore(false);
  std::set<std::string> keys;
  std::vector<SettingValue> set;
  for (const auto* setting : SettingDeclaration::all()) {
    EXPECT_TRUE(keys.insert(setting->key).second) << setting->key;
    const SettingValue other = std::visit(
        [&](const auto& fallback) -> SettingValue {
          using T = std::decay_t<decltype(fallback)>;
          if constexpr (std::is_same_v<T, bool>) return !fallback;
          else if constexpr (std::is_same_v<T, int>)
            return fallback == setting->range.least ? fallback + 1 : fallback - 1;
          else if constexpr (std::is_same_v<T, std::string>) return fallback + "-other";
          else return std::set<std::string>{"other", "second"};
        },
        setting->fallback);
    store->setSetting(*setting, other);
    set.push_back(other);
  }
  Loc::set("en", nullptr);
  store.reset();
  defaults = std::make_unique<Defaults>(dir / "defaults.json");
  makeStore(false);
  for (const auto* setting : SettingDeclaration::all())
    EXPECT_EQ(store->settingValue(*setting), set[setting->index]) << setting->key;
}

TEST_F(StoreTest, aSetValueIsBroughtInRangeAndOneOfAnotherTypeIsIgnored) {
  makeStore(false);
  store->set(Setting::keepDays, 99999);
  EXPECT_EQ(store->setting(Setting::keepDays), 36500);
  store->setSetting(Setting::dockLoad, SettingValue(std::string("no")));
  store->setSetting(Setting::keepDays, SettingValue(true));
  EXPECT_TRUE(store->setting(Setting::dockLoad));
  Defaults reread(dir / "defaults.json");
  EXPECT_EQ(reread.integer("qel.keepDays", 0), 36500);
  EXPECT_FALSE(reread.has("qel.dockLoad"));
}
