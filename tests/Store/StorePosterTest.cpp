#include "Qel/Platform/Desktop/AppRegistry.hpp"
#include "Qel/Text/Loc.hpp"
#include "tests/History/HistoryFixture.hpp"
#include "tests/Store/StoreHarness.hpp"

using namespace qel;
using namespace qel::test;

namespace {

DayBucket bucket(double cpu, double peak, std::string top = {}) {
  return {.cpu = cpu, .mem = 0.4, .pressure = 10, .peak = peak, .top = std::move(top), .topCPU = 90, .count = 60};
}

HistoryDB::AppRow app(std::string key, double cpu, std::string name) {
  return {std::move(key), AppUsage{std::move(name), cpu, 1e9, 2, 1}, ""};
}

class Poster : public StoreTest {
 protected:
  void begin() {
    store->start();
    ASSERT_TRUE(runUntil(main, [&] { return store->liveReadings().tick == 1; }));
  }
};

}  // namespace

TEST_F(Poster, summarisesTheDayOnShowWithTheEarlierOfTiedPeaks) {
  makeStore();
  store->history()->save("2026-06-14", 87, bucket(0.2, 0.9, "Editor"));
  store->history()->save("2026-06-14", 100, bucket(0.4, 0.9, "Browser"));
  auto shell = bucket(0.3, 0.5, "Shell");
  shell.count = 700;  // a slot holds ten minutes at most
  store->history()->save("2026-06-14", 3, shell);
  store->history()->add({app("/a.desktop", 2, "Alpha"), app("/n.desktop", 9, ""),
                         app("/b.desktop", 1, "Beta"), app("/c.desktop", 0.5, "Gamma"),
                         app("/d.desktop", 0.1, "Delta")},
                        "2026-06-14", 9);
  store->history()->add({app("/t.desktop", 5, "TodayOnly")}, "2026-06-15", 9);
  begin();
  store->showDay("2026-06-14");

  const PosterData p = store->posterData();
  EXPECT_EQ(p.buckets, store->shownDay());
  EXPECT_EQ(p.dateText, "Sun, Jun 14, 2026");
  ASSERT_TRUE(p.peak);
  EXPECT_DOUBLE_EQ(*p.peak, 0.9);
  EXPECT_EQ(p.peakTime, "14:30");
  EXPECT_EQ(p.peakApp, "Editor");
  EXPECT_EQ(p.recordedMinutes, 12);  // the samples, one a second: 60 + 60 + 600
  EXPECT_NEAR(p.average, 0.3, 1e-12);
  // The nameless app is left out before the limit, and the apps are that day's, not today's.
  EXPECT_EQ(p.topApps, (std::vector<std::string>{"Alpha", "Beta", "Gamma"}));

  store->setExporting(p);
  EXPECT_EQ(store->navigation().exporting, p);
  store->setExporting(std::nullopt);
  EXPECT_FALSE(store->navigation().exporting);
}

TEST_F(Poster, anEmptyDayHasNoPeakAndNothingRecorded) {
  makeStore();
  begin();
  store->showDay("2026-06-01");
  const PosterData p = store->posterData();
  EXPECT_EQ(p.buckets.size(), 144u);
  EXPECT_FALSE(p.peak);
  EXPECT_EQ(p.peakTime, "");
  EXPECT_EQ(p.peakApp, "");
  EXPECT_EQ(p.recordedMinutes, 0);
  EXPECT_EQ(p.average, 0);
  EXPECT_TRUE(p.topApps.empty());
  EXPECT_TRUE(p.events.empty());
}

TEST_F(Poster, withoutHistoryTheTopAppsAreEmpty) {
  makeStore(false);
  begin();
  const PosterData p = store->posterData();
  EXPECT_TRUE(p.topApps.empty());
  EXPECT_EQ(p.dateText, "Mon, Jun 15, 2026");
}

TEST_F(Poster, theDateIsWrittenInTheInterfaceLanguage) {
  makeStore();
  begin();
  Loc::set("de", nullptr);
  EXPECT_EQ(store->posterData().dateText, "Mo., 15. Juni 2026");
  Loc::set("ja", nullptr);
  EXPECT_EQ(store->posterData().dateText, "2026年6月15日(月)");
  Loc::set("system", nullptr);
}

TEST(PosterSlots, peakTimesFollowTheSlotAndAnEmptyTopLeavesTheAppEmpty) {
  for (const auto& [slot, time] : std::vector<std::pair<int, std::string>>{{0, "00:00"}, {87, "14:30"}, {143, "23:50"}}) {
    PosterData p;
    p.buckets.assign(144, std::nullopt);
    p.buckets[slot] = bucket(0.1, 0.2);
    summarizeSlots(p);
    EXPECT_EQ(p.peakTime, time);
    EXPECT_EQ(p.peakApp, "");
  }
}

// An app kept in the history under the name it had in another language's run is named in the
// language on screen where its desktop entry is still installed, from the entry's own name for
// that language; an app whose entry is gone keeps the name it was kept with. Switching the
// language renames the live apps too.
TEST_F(Poster, appNamesAreTheLanguageOnScreensWhereTheEntryIsStillThere) {
  dir.write("apps/applications/monitor.desktop",
            "[Desktop Entry]\nType=Application\nName=System Monitor\nName[ja]=システムモニター\n"
            "Name[de]=Systemüberwachung\nExec=monitor\n");
  AppRegistry apps(AppRegistry::Options{.dataDirs = {dir / "apps"}, .locale = "", .searchPath = {}});
  configure = [&apps](StoreServices& s) { s.apps = &apps; };
  makeStore();
  const std::string monitor = (dir / "apps/applications/monitor.desktop").string();
  store->history()->add({app(monitor, 3, "GNOME システムモニター"), app("/gone/applications/old.desktop", 2, "Alter Editor")},
                        "2026-06-14", 9);
  begin();
  store->showDay("2026-06-14");
  EXPECT_EQ(store->posterData().topApps, (std::vector<std::string>{"System Monitor", "Alter Editor"}));

  store->set(Setting::language, "de");
  EXPECT_EQ(store->posterData().topApps, (std::vector<std::string>{"Systemüberwachung", "Alter Editor"}));
  const auto liveName = [&] { return store->apps()->table()->byKey(monitor)->name; };
  EXPECT_EQ(liveName(), "Systemüberwachung");
  store->set(Setting::language, "ja");
  EXPECT_EQ(liveName(), "システムモニター");
  store->set(Setting::language, "en");
  EXPECT_EQ(liveName(), "System Monitor");
}
