#include "tests/Store/StoreHarness.hpp"

using namespace qel;
using namespace qel::test;
using namespace std::chrono_literals;

namespace {

Date at(const char* day, std::chrono::seconds time) { return *dayStart(day) + time; }

class StoreStretch : public StoreTest {
 protected:
  StoreStretch() {
    dir.write("apps/applications/editor.desktop", "[Desktop Entry]\nType=Application\nName=Editor\nExec=editor\n");
    apps = std::make_unique<AppRegistry>(AppRegistry::Options{.dataDirs = {dir / "apps"}, .locale = "", .searchPath = {}});
    configure = [this](StoreServices& s) { s.apps = apps.get(); };
  }

  void startStore() {
    makeStore();
    store->start();
    ASSERT_TRUE(runUntil(main, [&] { return store->liveReadings().tick == 1; }));
  }

  Stretch stretch(Date start, Date end, std::string name = "s") {
    return {.start = start, .end = end, .name = std::move(name), .series = {0.1, 0.1}};
  }

  std::unique_ptr<AppRegistry> apps;
};

}  // namespace

TEST_F(StoreStretch, recordAndStop) {
  const std::string editor = (dir / "apps/applications/editor.desktop").string();
  script.procs = {{.pid = 10, .name = "editor", .cpu = 30, .appKey = editor},
                  {.pid = 11, .name = "editor-worker", .cpu = 20, .appKey = editor},
                  {.pid = 12, .name = "build", .cpu = 0.5, .appKey = "/usr/bin/build"},
                  {.pid = 13, .name = "idle", .cpu = 0.4, .appKey = "/usr/bin/idle"}};
  startStore();
  EXPECT_EQ(store->recordingText(), "00:00");
  store->startStretch();
  EXPECT_EQ(store->navigation().toast, "Marking started. Click End when you're done.");
  const Date began = clock.now();
  for (int i = 0; i < 5; ++i) tick();
  EXPECT_EQ(store->recordingText(), "00:05");
  store->startStretch();  // already running: no effect
  EXPECT_EQ(store->stretchLog().recording->start, began);
  store->stopStretch();

  EXPECT_FALSE(store->stretchLog().recording);
  ASSERT_EQ(store->stretchLog().stretches.size(), 1u);
  const Stretch& s = store->stretchLog().stretches[0];
  EXPECT_EQ(store->navigation().stretchReport, s);
  EXPECT_EQ(s.name, "Marked at 10:00");
  EXPECT_DOUBLE_EQ(s.average, 0.25);
  EXPECT_DOUBLE_EQ(s.wattHours, 12.5 * 5 / 3600);
  // Processes of one application add up under its name; below half a percent counts nothing.
  EXPECT_EQ(s.top, (std::vector<StretchApp>{{"Editor", 250.0 / 252.5}, {"build", 2.5 / 252.5}}));
  EXPECT_EQ(s.series.size(), 5u);
  EXPECT_EQ(s.ratio, std::nullopt);  // no usual load yet
  EXPECT_EQ(store->history()->loadStretches(began - 1h), store->stretchLog().stretches);

  store->stopStretch();  // nothing running: nothing happens
  EXPECT_EQ(store->stretchLog().stretches.size(), 1u);
}

TEST_F(StoreStretch, ratioNeedsAUsualLoadOfThreeDays) {
  struct Case {
    BaselineSlot usual;
    std::optional<double> ratio;
  };
  const std::vector<Case> cases = {
      {{.cpu = 0.05, .days = 3}, 5.0}, {{.cpu = 0.02, .days = 3}, 12.5}, {{.cpu = 0.019, .days = 9}, std::nullopt},
      {{.cpu = 0.5, .days = 2}, std::nullopt}};
  for (const auto& c : cases) {
    makeStore();  // the usual load is stored before the start reads it
    std::vector<BaselineSlot> baseline(kSlotsPerDay);
    baseline[std::size_t(store->nowSlot())] = c.usual;
    store->history()->save(baseline, "2026-06-14");
    store->start();
    ASSERT_TRUE(runUntil(main, [&] { return store->liveReadings().tick == 1; }));
    store->startStretch();
    tick();
    store->stopStretch();  // stopped after one tick: an average of 0.25
    EXPECT_EQ(store->stretchLog().stretches.back().ratio, c.ratio) << c.usual.cpu << " " << c.usual.days;
  }
}

TEST_F(StoreStretch, renameAndDeleteAfterReload) {
  makeStore();
  const Date start = at("2026-06-15", 8h);
  const Stretch opened = stretch(start, start + 30min, "Marked at 08:00");
  store->history()->save(opened);
  startStore();
  ASSERT_EQ(store->stretchLog().stretches, std::vector<Stretch>{opened});

  store->rename(opened, "  ");  // blank: ignored
  store->rename(opened, "\n Build \t");
  EXPECT_EQ(store->stretchLog().stretches[0].name, "Build");
  // The sheet still holds the name it was opened with; renaming back must not be lost.
  store->rename(opened, "Marked at 08:00");
  EXPECT_EQ(store->stretchLog().stretches[0].name, "Marked at 08:00");
  store->rename(opened, "Build");
  startStore();
  EXPECT_EQ(store->stretchLog().stretches[0].name, "Build");

  store->setStretchReport(store->stretchLog().stretches[0]);
  store->deleteStretch(opened);
  EXPECT_TRUE(store->stretchLog().stretches.empty());
  EXPECT_FALSE(store->navigation().stretchReport);
  EXPECT_EQ(store->navigation().toast, "Mark deleted");
  startStore();
  EXPECT_TRUE(store->stretchLog().stretches.empty());
}

TEST_F(StoreStretch, spansSelectionAndTheSameDay) {
  makeStore();
  const Stretch overnight = stretch(at("2026-06-14", 23h + 50min), at("2026-06-15", 25min));
  const Stretch late = stretch(at("2026-06-15", 23h + 35min), at("2026-06-16", 10min));
  const Stretch brief = stretch(at("2026-06-15", 9h + 1min), at("2026-06-15", 9h + 6min));
  const Stretch yesterday = stretch(at("2026-06-14", 9h), at("2026-06-14", 10h));
  for (const auto& s : {yesterday, overnight, brief, late}) store->history()->save(s);
  startStore();
  EXPECT_EQ(store->stretchSpans(),
            (std::vector<StretchSpan>{{0, 2, overnight}, {54, 54, brief}, {141, 143, late}}));
  store->setSelectedSlot(54);
  EXPECT_EQ(store->selectedStretch(), brief);

  EXPECT_EQ(store->otherStretches(brief), (std::vector<Stretch>{late}));
  EXPECT_EQ(store->otherStretches(yesterday), (std::vector<Stretch>{overnight}));
}
