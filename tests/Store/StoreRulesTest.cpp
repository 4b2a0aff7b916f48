#include <fstream>

#include "Qel/Text/Format.hpp"
#include "tests/Store/StoreHarness.hpp"
#include "tests/support/DBusMock.hpp"
#include "tests/support/MockCalls.hpp"

using namespace qel;
using namespace qel::test;
using namespace std::chrono_literals;

namespace {

// Only `id` on, with the given threshold and sustain.
std::vector<AlertRule> only(const std::string& id, double threshold, std::int64_t sustain) {
  auto rules = Rules::defaults();
  for (auto& r : rules) {
    r.on = r.id == id;
    if (r.on) r.threshold = threshold, r.sustain = sustain;
  }
  return rules;
}

class RulesTest : public StoreTest {
 protected:
  void startWith(const std::vector<AlertRule>& rules) {
    makeStore(false);
    store->setRules(rules);
    store->start();
    ASSERT_TRUE(runUntil(main, [&] { return store->liveReadings().tick == 1; }));
  }
  void setCpu(double total) {
    std::lock_guard l(script.m);
    script.defaultCpu.total = total;
  }
  bool fired(const std::string& id) const { return store->settingsView().lastFired.count(id) != 0; }
};

}  // namespace

TEST_F(RulesTest, storedRulesAreMergedIntoTheDefaults) {
  const auto d = Rules::defaults();
  const struct {
    const char* stored;  // "" for none
    bool readable;
    std::vector<AlertRule> expected;
  } cases[] = {
      {"", false, d},
      {R"([{"id":"cpu","on":false,"threshold":85,"sustain":120}])", true,
       {{"cpu", false, 85, 120}, d[1], d[2], d[3], d[4], d[5]}},
      // Unknown ids drop; of two entries with one id the first wins; order does not matter.
      {R"([{"id":"zzz","on":true,"threshold":1,"sustain":1},{"id":"pcpu","on":true,"threshold":150,"sustain":9},
          {"id":"memp","on":false,"threshold":70,"sustain":5},{"id":"memp","on":true,"threshold":90,"sustain":9}])",
       true, {d[0], {"memp", false, 70, 5}, d[2], d[3], d[4], {"pcpu", true, 150, 9}}},
      {R"([{"id":"bat","on":true,"threshold":12.5,"sustain":120.0}])", true, {d[0], d[1], d[2], d[3], {"bat", true, 12.5, 120}, d[5]}},
      {"[]", true, d},
      // A value that can't be read is that rule's default; the rest of the rule and the other rules stay.
      {R"([{"id":"bat","on":false,"threshold":10,"sustain":0},{"id":"cpu","on":"yes","threshold":70,"sustain":30}])",
       true, {{"cpu", true, 70, 30}, d[1], d[2], d[3], {"bat", false, 10, 0}, d[5]}},
      {R"([{"id":"cpu","on":false,"threshold":"70","sustain":30}])", true, {{"cpu", false, 85, 30}, d[1], d[2], d[3], d[4], d[5]}},
      {R"([{"id":"cpu","on":false,"threshold":70,"sustain":1.5}])", true, {{"cpu", false, 70, 120}, d[1], d[2], d[3], d[4], d[5]}},
      {R"([{"id":"cpu","on":false,"threshold":70}])", true, {{"cpu", false, 70, 120}, d[1], d[2], d[3], d[4], d[5]}},
      {R"([{"id":"cpu","on":false,"threshold":70,"sustain":99999999999999999999}])", true,
       {{"cpu", false, 70, 120}, d[1], d[2], d[3], d[4], d[5]}},
      // Without a readable id an element is no rule.
      {R"([{"id":7,"on":true,"threshold":85,"sustain":1},"cpu",{"id":"memp","on":false,"threshold":70,"sustain":5}])",
       true, {d[0], {"memp", false, 70, 5}, d[2], d[3], d[4], d[5]}},
      {R"({"cpu":{"on":true}})", false, d},
      {R"("rules")", false, d},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stored);
    defaults = std::make_unique<Defaults>(dir / ("defaults-" + std::to_string(&c - cases) + ".json"));
    if (*c.stored) defaults->set("qel.rules", nlohmann::json::parse(c.stored));
    const auto before = defaults->value("qel.rules");
    makeStore(false);
    store->start();
    EXPECT_EQ(store->settingsView().rules, c.expected);
    if (c.readable) {
      // Rewritten with exactly the six ids in their order.
      EXPECT_EQ(Rules::decode(*defaults->value("qel.rules")), c.expected);
    } else {
      EXPECT_EQ(defaults->value("qel.rules"), before);  // left as it was
    }
    store.reset();
  }
}

TEST_F(RulesTest, aNumberTooLargeToReadCostsOnlyItself) {
  {
    std::ofstream file(dir / "defaults.json");
    file << R"({"qel.rules":[{"id":"cpu","on":true,"threshold":1e400,"sustain":30},)"
            R"({"id":"memp","on":false,"threshold":70,"sustain":5},{"id":"pcpu","on":true,"threshold":150,"sustain":9}]})";
  }
  defaults = std::make_unique<Defaults>(dir / "defaults.json");
  makeStore(false);
  store->start();
  auto expected = Rules::defaults();
  expected[0] = {"cpu", true, 85, 30};
  expected[1] = {"memp", false, 70, 5};
  expected[5] = {"pcpu", true, 150, 9};
  EXPECT_EQ(store->settingsView().rules, expected);
  // The first edit of any rule writes the others back as they were.
  auto edited = store->settingsView().rules;
  edited[4].threshold = 10;
  store->setRules(edited);
  EXPECT_EQ(Rules::decode(*Defaults(dir / "defaults.json").value("qel.rules")), edited);
}

TEST_F(RulesTest, aRuleFiresOnceItsConditionHeldForItsSustain) {
  const struct {
    std::int64_t sustain;
    int firesOnHit;
  } cases[] = {{0, 1}, {1, 1}, {3, 3}, {120, 120}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.sustain);
    setCpu(0.2);
    startWith(only("cpu", 50, c.sustain));
    setCpu(0.9);
    for (int hit = 1; hit < c.firesOnHit; ++hit) {
      tick();
      ASSERT_FALSE(fired("cpu")) << "hit " << hit;
    }
    tick();
    EXPECT_TRUE(fired("cpu"));
    EXPECT_EQ(store->navigation().toast, "CPU busy for a long time");
  }
}

TEST_F(RulesTest, oneMissStartsTheCountAgain) {
  setCpu(0.2);
  startWith(only("cpu", 50, 3));
  for (double total : {0.9, 0.9, 0.3, 0.9, 0.9}) {
    setCpu(total);
    tick();
  }
  EXPECT_FALSE(fired("cpu"));
  tick();
  EXPECT_TRUE(fired("cpu"));
}

TEST_F(RulesTest, aRuleFiresAgainOnlyAfterSixHundredSeconds) {
  setCpu(0.9);
  startWith(only("cpu", 50, 0));
  const Date first = store->settingsView().lastFired.at("cpu");
  clock.advance(598s);
  tick();  // 599 s after
  EXPECT_EQ(store->settingsView().lastFired.at("cpu"), first);
  tick();  // 600 s after
  EXPECT_EQ(store->settingsView().lastFired.at("cpu"), first + 600s);
}

TEST_F(RulesTest, mutedFiringsAreRecordedButNotShown) {
  setCpu(0.2);
  startWith(only("cpu", 50, 0));
  store->toggleMute();
  EXPECT_TRUE(store->isMuted());
  setCpu(0.9);
  tick();
  ASSERT_TRUE(fired("cpu"));
  EXPECT_EQ(store->navigation().toast, "Alerts paused for 1 hour");
  EXPECT_EQ(store->firedText("cpu"), "Alerted once today at " + clockFormatter().string(clock.now()));
  // Unmuted: the silent firing still holds the next one back.
  store->toggleMute();
  tick();
  EXPECT_EQ(store->navigation().toast, "Alerts resumed");
  clock.advance(597s);
  tick();  // 599 s after the silent firing
  EXPECT_NE(store->navigation().toast, "CPU busy for a long time");
  tick();
  EXPECT_EQ(store->navigation().toast, "CPU busy for a long time");
}

TEST_F(RulesTest, firedTextSpeaksOnlyOfToday) {
  setCpu(0.9);
  startWith(only("cpu", 50, 0));
  EXPECT_EQ(store->firedText("cpu"), "Alerted once today at 10:00");
  EXPECT_EQ(store->firedText("memp"), std::nullopt);
  EXPECT_EQ(store->enabledRuleCount(), 1);
  setCpu(0.2);
  clock.advance(14h);  // past midnight
  tick();
  EXPECT_EQ(store->firedText("cpu"), std::nullopt);
}

TEST_F(RulesTest, eachRuleHitsOnItsOwnConditionAndNotifiesWithItsText) {
  PrivateBus bus;
  ASSERT_TRUE(bus.startTemplate("notification_daemon", "org.freedesktop.Notifications"));
  auto client = bus.connect();
  const auto notes = [&] {
    return mockCalls(client.get(), "org.freedesktop.Notifications", "/org/freedesktop/Notifications", "Notify");
  };
  const std::vector<ProcInfo> hog{{.pid = 10, .name = "alpha", .cpu = 160.4}, {.pid = 11, .name = "beta", .cpu = 20}};
  const struct {
    const char* what;
    std::vector<AlertRule> rules;
    std::function<void(Script&)> setup;
    const char* title;  // nullptr: a miss
    const char* body;
  } cases[] = {
      {"cpu", only("cpu", 85, 0), [](Script& s) { s.defaultCpu.total = 0.95; }, "CPU busy for a long time",
       "CPU usage is 95%. The top process is alpha."},
      {"cpu, no processes", only("cpu", 85, 0), [](Script& s) { s.defaultCpu.total = 0.95, s.procs.clear(); },
       "CPU busy for a long time", "CPU usage is 95%. The top process is an unknown process."},
      {"memp", only("memp", 60, 0), [](Script& s) { s.mem.pressure = 72.5; }, "High memory pressure",
       "Memory pressure is 73%. Quitting apps you aren't using makes switching smoother."},
      {"disk, MB", only("disk", 5, 0), [](Script& s) { s.disk = {.total = 1ull << 40, .free = 644245094}; },
       "Low disk space", "Only 614 MB left on the system disk."},
      {"disk, GB", only("disk", 5, 0), [](Script& s) { s.disk = {.total = 1ull << 40, .free = 5ull << 29}; },
       "Low disk space", "Only 2.5 GB left on the system disk."},
      {"thermal", only("thermal", 0, 0), [](Script& s) { s.thermal = ThermalState::serious; }, "Computer overheating",
       "The system is slowing down to cool off. Stop the most power-hungry app, or give the computer some airflow."},
      {"bat", only("bat", 20, 0), [](Script& s) { s.battery = {.present = true, .percent = 15}; }, "Low battery",
       "Battery at 15%. Remember to plug in."},
      {"pcpu", only("pcpu", 150, 0), [&](Script& s) { s.procs = hog; }, "A process hogs the CPU for a long time",
       "alpha is using 160% CPU."},
      // Misses.
      {"bat on mains", only("bat", 20, 0), [](Script& s) { s.battery = {.present = true, .percent = 5, .onAC = true}; }},
      {"no battery", only("bat", 20, 0), [](Script& s) { s.battery = {}; }},
      {"pcpu below", only("pcpu", 150, 0), [](Script& s) { s.procs = {{.pid = 10, .name = "alpha", .cpu = 149.9}}; }},
      {"pcpu, no processes", only("pcpu", 0, 0), [](Script& s) { s.procs.clear(); }},
      {"disk, no totals", only("disk", 5, 0), [](Script& s) { s.disk = {}; }},
      {"thermal fair", only("thermal", 0, 0), [](Script& s) { s.thermal = ThermalState::fair; }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    {
      std::lock_guard l(script.m);
      script.procs = {{.pid = 10, .name = "alpha", .cpu = 50}, {.pid = 11, .name = "beta", .cpu = 20}};
      script.defaultCpu.total = 0.25;
      script.mem.pressure = 40;
      script.disk = {.total = 1000, .free = 400};
      script.thermal = ThermalState::nominal;
      script.battery = {.present = true, .percent = 80};
      c.setup(script);
    }
    const std::size_t before = notes().size();
    startWith(c.rules);
    if (!c.title) {
      EXPECT_TRUE(store->settingsView().lastFired.empty());
      continue;
    }
    EXPECT_EQ(store->navigation().toast, c.title);
    // Posted from the notification queue.
    ASSERT_TRUE(runUntil(main, [&] { return notes().size() > before; }));
    const auto calls = notes();
    EXPECT_EQ(stringArg(calls.back(), 3), c.title);
    EXPECT_EQ(stringArg(calls.back(), 4), c.body);
  }
}

TEST_F(RulesTest, withoutANotificationServiceTheToastStillShows) {
  PrivateBus bus;  // no notification service on it
  ASSERT_TRUE(bus.ok());
  setCpu(0.95);
  startWith(only("cpu", 85, 0));
  EXPECT_EQ(store->navigation().toast, "CPU busy for a long time");
  EXPECT_EQ(store->enabledRuleCount(), 1);
  store->setRules(Rules::defaults());
  EXPECT_EQ(store->enabledRuleCount(), 4);
}
