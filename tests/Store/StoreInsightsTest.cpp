#include <spawn.h>
#include <sys/wait.h>

#include "Qel/Platform/Proc/ProcPidStat.hpp"
#include "Qel/Text/Loc.hpp"
#include "tests/Store/StoreHarness.hpp"

using namespace qel;
using namespace qel::test;
using namespace std::chrono_literals;

namespace {

const std::string kEditor = "/usr/share/applications/org.example.Editor.desktop";
const std::string kRender = "/usr/share/applications/org.example.Render.desktop";
constexpr std::uint64_t MiB = 1ull << 20;

class StoreInsights : public StoreTest {
 protected:
  void begin() {
    makeStore();
    store->setDesktop(&desktop);
    store->start();
    ASSERT_TRUE(runUntil(main, [&] { return store->liveReadings().tick == 1; }));
  }
  void ticksUntil(int n) {
    while (store->liveReadings().tick < n) tick();
  }
  void setProcs(std::vector<ProcInfo> procs) {
    std::lock_guard l(script.m);
    script.procs = std::move(procs);
  }
  void setPressure(double pressure) {
    std::lock_guard l(script.m);
    script.mem.pressure = pressure;
  }
  FakeDesktop desktop;
};

// A real process to signal, reaped at the end.
struct Child {
  pid_t pid = 0;
  std::uint64_t startTime = 0;
  Child() {
    char name[] = "sleep", seconds[] = "30";
    char* argv[] = {name, seconds, nullptr};
    if (posix_spawn(&pid, "/bin/sleep", nullptr, nullptr, argv, environ) != 0) return;
    if (const auto text = readText(SysRoot{}.proc(std::to_string(pid) + "/stat")))
      startTime = parsePidStat(*text).value_or(PidStat{}).startTime;
  }
  ~Child() {
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
  }
  bool terminated() {
    int status = 0;
    return waitpid(pid, &status, 0) == pid && WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM;
  }
  bool running() { return waitpid(pid, nullptr, WNOHANG) == 0; }
  ProcInfo info(const std::string& key, std::int32_t ppid = 1) const {
    return {.pid = pid, .name = "sleep", .path = "/bin/sleep", .appKey = key, .ppid = ppid, .startTime = startTime};
  }
};

}  // namespace

TEST_F(StoreInsights, busyBackgroundAppBecomesAFindingAToastAndADayEvent) {
  setProcs({{.pid = 40, .name = "Render", .path = "/usr/bin/render", .cpu = 100, .appKey = kRender},
            {.pid = 41, .name = "Editor", .path = "/usr/bin/editor", .cpu = 90, .appKey = kEditor}});
  desktop.front = 41;
  begin();
  ticksUntil(179);
  EXPECT_TRUE(store->insightFindings().findings.empty());
  tick();
  ASSERT_EQ(store->insightFindings().findings.size(), 1u);
  const Finding f = store->insightFindings().findings[0];
  EXPECT_EQ(f.id, "run-40");
  EXPECT_EQ(store->navigation().toast, "Render has been busy in the background");
  const DayEvent event{
      .slot = store->nowSlot(), .isMemory = false, .title = f.title(), .detail = f.detail(), .facts = f.facts};
  EXPECT_EQ(store->dayView().flaggedEvents, std::vector<DayEvent>{event});
  EXPECT_EQ(store->history()->loadEvents(store->todayKey()), std::vector<DayEvent>{event});
  store->dismiss(f);
  EXPECT_TRUE(store->insightFindings().findings.empty());
  for (int i = 0; i < 200; ++i) tick();
  EXPECT_TRUE(store->insightFindings().findings.empty());  // raised once a run
}

TEST_F(StoreInsights, findingsAreWordedInTheLanguageOnScreen) {
  setProcs({{.pid = 40, .name = "Render", .path = "/usr/bin/render", .cpu = 100, .appKey = kRender}});
  begin();
  struct Back {
    ~Back() { Loc::set("system", nullptr); }
  } back;
  Loc::set("de", nullptr);
  ticksUntil(180);
  EXPECT_EQ(store->navigation().toast, "Render war im Hintergrund beschäftigt");
  Loc::set("ru", nullptr);
  EXPECT_EQ(store->insightFindings().findings.at(0).title(), "Render долго работает в фоне");
  EXPECT_EQ(store->events().back().title, "Render долго работает в фоне");

  // Stored with the words it was raised in, and its figures for whoever reads it later.
  const auto stored = store->history()->loadEvents(store->todayKey());
  ASSERT_EQ(stored.size(), 1u);
  EXPECT_EQ(stored[0].title, "Render war im Hintergrund beschäftigt");
  EXPECT_EQ(stored[0].facts, store->insightFindings().findings.at(0).facts);
}

TEST_F(StoreInsights, whileAlertsArePausedFindingsAreKeptButNotShown) {
  setProcs({{.pid = 40, .name = "Render", .cpu = 100, .appKey = kRender}});
  begin();
  store->setMutedUntil(clock.now() + 1h);
  ticksUntil(180);
  EXPECT_EQ(store->insightFindings().findings.size(), 1u);
  EXPECT_EQ(store->dayView().flaggedEvents.size(), 1u);
  EXPECT_FALSE(store->navigation().toast);
}

TEST_F(StoreInsights, helpersOfOneApplicationAddUpUnderOneKeyEachHour) {
  setProcs({{.pid = 20, .name = "Editor", .path = "/usr/lib/editor/editor", .cpu = 50, .mem = 100 * MiB, .appKey = kEditor},
            {.pid = 21, .name = "renderer", .path = "/usr/lib/editor/renderer", .cpu = 30, .mem = 50 * MiB, .appKey = kEditor},
            {.pid = 30, .name = "indexer", .path = "/usr/libexec/indexer", .cpu = 10, .appKey = "/usr/libexec/indexer"}});
  {
    std::lock_guard l(script.m);
    script.versions["/usr/lib/editor/editor"] = "3.1-2";
  }
  begin();  // 10:00:00
  ticksUntil(60);  // flushed at 10:00:59, in minute 0: the versions are asked again next time
  ASSERT_TRUE(runUntil(main, [&] { return !store->history()->loadApp(kEditor, "2026-06-15").empty(); }));
  ticksUntil(190);  // 10:01:59 asks again, 10:02:59 does not
  // The look-ups run on a queue of their own: the second one is waited for, not raced by the exit.
  ASSERT_TRUE(runUntil(main, [&] { return script.versionLookups >= 2; }));
  EXPECT_EQ(store->profile(kEditor).days.size(), 1u);
  store->shutdown();  // the last ten ticks, at exit
  EXPECT_EQ(script.versionLookups, 2);

  HistoryDB reopened(dir.path() / "data", lock);
  const auto rows = reopened.loadApp(kEditor, "2026-06-15");
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].hour, 10);
  EXPECT_EQ(rows[0].samples, 190);
  EXPECT_NEAR(rows[0].cpu, 190 * 0.8, 1e-9);
  EXPECT_NEAR(rows[0].mem, 190 * 150.0 * MiB, 1);
  EXPECT_EQ(rows[0].version, "3.1-2");
  EXPECT_TRUE(reopened.loadApp("/usr/libexec/indexer", "2026-06-15").empty());
}

TEST_F(StoreInsights, memoryAdviceFollowsThePressureAndLeavesTheFrontAppAlone) {
  setProcs({{.pid = 20, .name = "Editor", .mem = 2000 * MiB, .appKey = kEditor},
            {.pid = 21, .name = "Render", .mem = 1000 * MiB, .appKey = kRender}});
  desktop.front = 20;
  begin();
  for (const auto& [pressure, on] : std::vector<std::pair<double, bool>>{{55, false}, {60, true}, {55, true}, {49.9, false}}) {
    setPressure(pressure);
    tick();
    EXPECT_EQ(store->insightFindings().adviceAtOpen, on) << pressure;
  }
  const auto suggested = store->memorySuggestions();
  ASSERT_EQ(suggested.size(), 1u);
  EXPECT_EQ(suggested[0].key, kRender);
  EXPECT_EQ(suggested[0].name, "org.example.Render");
  EXPECT_EQ(suggested[0].idleText, "not used since Qel started");
}

TEST_F(StoreInsights, quittingAppsAsksEachRunningInstanceButNotItsHelpers) {
  Child editor, helper, render, stale;
  ASSERT_GT(editor.startTime * helper.startTime * render.startTime * stale.startTime, 0u);
  auto gone = stale.info(kRender);
  gone.startTime += 1;  // its pid now belongs to another process
  setProcs({editor.info(kEditor), helper.info(kEditor, editor.pid), gone});
  begin();
  store->quitApps({kEditor, kRender});
  EXPECT_EQ(store->navigation().toast, "Asked org.example.Editor to quit");
  EXPECT_TRUE(editor.terminated());
  EXPECT_TRUE(helper.running());
  EXPECT_TRUE(stale.running());

  setProcs({helper.info(kEditor), render.info(kRender)});
  tick();
  store->quitApps({kEditor, kRender});
  EXPECT_EQ(store->navigation().toast, "Asked 2 apps to quit");
  EXPECT_TRUE(helper.terminated() && render.terminated());
  store->quitApps({"/usr/share/applications/none.desktop"});
  EXPECT_EQ(store->navigation().toast, "These apps didn't respond to the quit request");
}

namespace {
class AppsAtMidnight : public StoreTest {
 protected:
  AppsAtMidnight() : StoreTest(*dayStart("2026-06-15") + 23h + 59min + 20s) {}
};
}  // namespace

TEST_F(AppsAtMidnight, usageIsFiledUnderTheHourItWasMeasuredIn) {
  {
    std::lock_guard l(script.m);
    script.procs = {{.pid = 20, .name = "Editor", .cpu = 50, .appKey = kEditor}};
  }
  makeStore();
  store->start();
  ASSERT_TRUE(runUntil(main, [&] { return store->liveReadings().tick == 1; }));  // 23:59:20
  while (store->liveReadings().tick < 75) tick();                                 // 00:00:34
  store->shutdown();
  HistoryDB reopened(dir.path() / "data", lock);
  const auto rows = reopened.loadApp(kEditor, "");
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(std::tie(rows[0].day, rows[0].hour, rows[0].samples), std::make_tuple("2026-06-15", 23, 40));
  EXPECT_EQ(std::tie(rows[1].day, rows[1].hour, rows[1].samples), std::make_tuple("2026-06-16", 0, 35));
}
