#include "Qel/Platform/Bus/Logind.hpp"
#include "tests/Store/StoreHarness.hpp"
#include "tests/support/DBusMock.hpp"

using namespace qel;
using namespace qel::test;
using namespace std::chrono_literals;

namespace {

Date at(const char* day, std::chrono::seconds time) { return *dayStart(day) + time; }

// A store whose system log is scripted; the clock starts at 10:00 on 15 June 2026.
class StoreSleep : public StoreTest {
 protected:
  struct Log {
    std::mutex m;
    std::vector<SleepSession> sessions;
    int reads = 0;
  };

  StoreSleep() {
    configure = [log = log](StoreServices& s) {
      s.sleepLog = [log]() -> std::optional<std::vector<SleepSession>> {
        std::lock_guard l(log->m);
        ++log->reads;
        return log->sessions;
      };
    };
  }

  int reads() {
    std::lock_guard l(log->m);
    return log->reads;
  }
  void setLog(std::vector<SleepSession> sessions) {
    std::lock_guard l(log->m);
    log->sessions = std::move(sessions);
  }

  // Starts the store and waits for the first tick and the first read of the log.
  void startStore() {
    makeStore();
    store->start();
    ASSERT_TRUE(runUntil(
        main, [&] { return store->liveReadings().tick == 1 && reads() == 1 && !store->sleepRecord().sleepBusy; }));
  }

  // A wake, then the read of the log twelve seconds later.
  void wake() {
    const int before = reads();
    store->noteDidWake();
    clock.advance(12s);
    ASSERT_TRUE(runUntil(main, [&] { return reads() == before + 1 && !store->sleepRecord().sleepBusy; }));
  }

  // The stored sleeps that start at or after `from`.
  std::vector<SleepSession> sleepsSince(Date from) const {
    std::vector<SleepSession> out;
    for (const auto& s : store->sleepRecord().sleeps)
      if (s.start >= from) out.push_back(s);
    return out;
  }

  std::shared_ptr<Log> log = std::make_shared<Log>();
};

}  // namespace

TEST_F(StoreSleep, madeUpSessionOnlyForASleepTheLogDoesNotShow) {
  startStore();
  struct Case {
    const char* name;
    // The log's sessions and the expected ones, given the will-sleep moment t and the wake w.
    std::function<std::vector<SleepSession>(Date t, Date w)> logged;
    bool madeUp;
  };
  const std::vector<Case> cases = {
      {"nothing logged", [](Date, Date) { return std::vector<SleepSession>{}; }, true},
      {"the log's sleep ends 179 s before the wake",
       [](Date t, Date w) { return std::vector<SleepSession>{{.start = t + 20s, .end = w - 179s}}; }, false},
      {"the log's sleep ends 179 s after the wake",
       [](Date t, Date w) { return std::vector<SleepSession>{{.start = t + 20s, .end = w + 179s}}; }, false},
      // 180 s away, but it is this very sleep: the log's own must not be replaced.
      {"the log's sleep ends 180 s before the wake",
       [](Date t, Date w) { return std::vector<SleepSession>{{.start = t + 20s, .end = w - 180s}}; }, false},
      {"another logged sleep ends 180 s after the wake",
       [](Date, Date w) { return std::vector<SleepSession>{{.start = w + 60s, .end = w + 180s}}; }, true},
  };
  for (const auto& c : cases) {
    clock.advance(24h);
    const Date t = clock.now(), w = t + 8h;
    const auto logged = c.logged(t, w);
    setLog(logged);
    store->noteWillSleep();
    clock.advance(8h);
    wake();
    std::vector<SleepSession> expected;
    if (c.madeUp)
      expected.push_back({.start = t, .end = w, .chargeStart = 80, .chargeEnd = 80, .onBattery = true});
    expected.insert(expected.end(), logged.begin(), logged.end());
    EXPECT_EQ(sleepsSince(t), expected) << c.name;
  }
}

TEST_F(StoreSleep, staleRememberedStartsMakeNoSession) {
  // Remembered by an earlier run: the program wasn't watching that sleep.
  defaults->set("qel.sleepStart", nlohmann::json::array({toSeconds(clock.now() - 9h), 50, 1}));
  startStore();
  clock.advance(1h);
  wake();
  EXPECT_TRUE(store->sleepRecord().sleeps.empty());

  const Date t = clock.now();
  store->noteWillSleep();
  clock.advance(8h);
  wake();
  ASSERT_EQ(store->sleepRecord().sleeps.size(), 1u);
  // A second wake with no sleep in between keeps the first session as it was.
  clock.advance(2h);
  wake();
  EXPECT_EQ(store->sleepRecord().sleeps,
            (std::vector<SleepSession>{{.start = t, .end = t + 8h, .chargeStart = 80, .chargeEnd = 80, .onBattery = true}}));
}

TEST_F(StoreSleep, willSleepRemembersWhoKeptTheMachineAwake) {
  script.holders = {{.pid = 11, .name = "beta-daemon"}, {.pid = 99, .name = "backupd"},
                    {.pid = 10, .name = "screen", .displayOnly = true}, {.pid = 11, .name = "again"},
                    {.pid = 98, .name = ""}};
  startStore();
  const auto first = std::to_string(static_cast<long long>(toSeconds(clock.now())));
  store->noteWillSleep();
  auto holders = *defaults->value("qel.sleepHolders");
  EXPECT_EQ(holders[first], nlohmann::json::array({"backupd", "beta"}));

  script.holders.clear();
  for (int i = 0; i < 10; ++i) tick();  // to the next slow tick, which reads the holders
  for (int i = 0; i < 30; ++i) {
    clock.advance(1s);
    store->noteWillSleep();
  }
  holders = *defaults->value("qel.sleepHolders");
  EXPECT_EQ(holders.size(), 30u);
  EXPECT_FALSE(holders.contains(first));  // the 31st will-sleep drops the oldest
  EXPECT_EQ(holders.back(), nlohmann::json::array());
}

TEST_F(StoreSleep, rememberedHoldersAttachWithin300Seconds) {
  makeStore();
  const Date a = clock.now() - 20h, b = clock.now() - 10h;
  store->history()->save(std::vector<SleepSession>{{.start = a, .end = a + 2h}, {.start = b, .end = b + 2h}});
  auto key = [](Date d, int offset) { return std::to_string(static_cast<long long>(toSeconds(d)) + offset); };
  defaults->set("qel.sleepHolders", {{key(a, 299), {"near"}}, {key(b, 300), {"far"}}, {"junk", {"x"}}});
  startStore();
  ASSERT_EQ(store->sleepRecord().sleeps.size(), 2u);
  EXPECT_EQ(store->sleepRecord().sleeps[0].holders, std::vector<std::string>{"near"});
  EXPECT_TRUE(store->sleepRecord().sleeps[1].holders.empty());
}

TEST(SlotSpan, slotsFromTheWallClock) {
  struct Case {
    const char* name;
    Date start, end;
    const char* day;
    std::optional<SlotRange> expected;
  };
  const std::vector<Case> cases = {
      {"22:00 the day before to 07:00", at("2026-06-14", 22h), at("2026-06-15", 7h), "2026-06-15", SlotRange{0, 42}},
      {"23:00 to 08:00 the next morning", at("2026-06-15", 23h), at("2026-06-16", 8h), "2026-06-15",
       SlotRange{138, 143}},
      {"ended at the day's start", at("2026-06-14", 22h), at("2026-06-15", 0h), "2026-06-15", std::nullopt},
      {"started at the day's end", at("2026-06-16", 0h), at("2026-06-16", 8h), "2026-06-15", std::nullopt},
      {"five minutes inside one slot", at("2026-06-15", 9h + 1min), at("2026-06-15", 9h + 6min), "2026-06-15",
       SlotRange{54, 54}},
      // The clocks go forward at 02:00: 07:00 is only six hours after midnight.
      {"night before spring forward", at("2026-03-28", 22h), *dayStart("2026-03-29") + 6h, "2026-03-29",
       SlotRange{0, 42}},
      // The clocks go back at 03:00: 23:00 is twenty-four hours after midnight.
      {"evening after falling back", *dayStart("2026-10-25") + 24h, *dayStart("2026-10-25") + 30h, "2026-10-25",
       SlotRange{138, 143}},
  };
  for (const auto& c : cases) {
    const Date day = *dayStart(c.day);
    EXPECT_EQ(slotRange(c.start, c.end, day, dayAfter(day)), c.expected) << c.name;
  }
  EXPECT_EQ(dayAfter(*dayStart("2026-03-29")), *dayStart("2026-03-30"));
  EXPECT_EQ(dayAfter(*dayStart("2026-10-25")), *dayStart("2026-10-26"));
}

TEST_F(StoreSleep, selectedSleepAndWake) {
  makeStore();
  const SleepSession night{.start = at("2026-06-14", 22h),
                           .end = at("2026-06-15", 7h),
                           .wakes = {{.date = at("2026-06-15", 6h + 40min), .seconds = 30, .reason = "RTC"}}};
  store->history()->save(std::vector<SleepSession>{night});
  startStore();
  ASSERT_EQ(store->sleepSpans(), (std::vector<SleepSpan>{{0, 42, night}}));
  store->setSelectedSlot(20);
  EXPECT_EQ(store->selectedSleep(), night);
  for (int slot : {39, 40, 41}) {
    store->setSelectedSlot(slot);
    EXPECT_EQ(store->selectedWake(), night.wakes[0]) << slot;
  }
  store->setSelectedSlot(42);
  EXPECT_EQ(store->selectedWake(), std::nullopt);
  store->setSelectedSlot(43);
  EXPECT_EQ(store->selectedSleep(), std::nullopt);
  store->setSelectedSlot(20);
  store->setRingMode(RingMode::live);
  EXPECT_EQ(store->selectedSleep(), std::nullopt);
  EXPECT_EQ(store->selectedWake(), std::nullopt);
}

TEST_F(StoreSleep, lastSleepUsualDropAndSummary) {
  makeStore();
  auto onBattery = [](Date start, std::chrono::minutes length, int from, int to) {
    return SleepSession{.start = start, .end = start + length, .chargeStart = from, .chargeEnd = to, .onBattery = true};
  };
  const SleepSession older = onBattery(at("2026-06-12", 23h), 8h, 90, 82);  // 1 %/h
  const SleepSession rose = onBattery(at("2026-06-13", 13h), 2h, 50, 60);   // 0 %/h
  const SleepSession night = onBattery(at("2026-06-14", 22h), 9h, 95, 77);  // 2 %/h
  const SleepSession nap{.start = at("2026-06-15", 9h), .end = at("2026-06-15", 9h + 40min)};
  store->history()->save(std::vector<SleepSession>{older, rose, night, nap});
  startStore();

  EXPECT_EQ(store->lastSleep(), night);  // the nap is too short
  tick();
  EXPECT_EQ(store->sleepRecord().sleepAtOpen, night);
  EXPECT_EQ(store->usualDropPerHour(nap), 1.0);  // the mean of 1, 0 and 2
  EXPECT_EQ(store->usualDropPerHour(SleepSession{.start = night.start}), std::nullopt);  // two others

  EXPECT_EQ(store->sleepSummary(nap), "Slept 40 min · wakes: 0");
  EXPECT_EQ(store->sleepSummary(rose), "Slept 2 h · battery −0% · wakes: 0");

  clock.setNow(night.end + 16h);  // no older sleep steps in
  EXPECT_EQ(store->lastSleep(), std::nullopt);
}

TEST_F(StoreSleep, prepareForSleepSavesTheSlotBeforeLettingTheSystemSleep) {
  PrivateBus bus;
  ASSERT_TRUE(bus.ok());
  ASSERT_TRUE(bus.startTemplate("logind", "org.freedesktop.login1"));
  const Bus control = bus.connect();
  configure = [scripted = configure](StoreServices& s) {
    scripted(s);
    s.watchSleep = true;
  };
  startStore();
  tick();
  tick();
  const std::string day = store->todayKey();
  const auto slot = std::size_t(store->nowSlot());
  ASSERT_FALSE(store->history()->loadDay(day)[slot]);  // still only in memory

  auto inhibitors = [&] {
    store->processSleepWatch();
    int held = 0;
    for (const auto& i : listInhibitors(control.get()).value_or(std::vector<Inhibitor>{}))
      held += i.what == "sleep" && i.who == "Qel" && i.mode == "delay";
    return held;
  };
  auto prepare = [&](bool sleeping) {
    BusError error;
    ASSERT_TRUE(callMethod(control.get(), "org.freedesktop.login1", "/org/freedesktop/login1",
                           "org.freedesktop.DBus.Mock", "EmitSignal", error, "sssav", "org.freedesktop.login1.Manager",
                           "PrepareForSleep", "b", 1, "b", int(sleeping)))
        << error.message();
  };
  ASSERT_TRUE(runUntil(main, [&] { return inhibitors() == 1; }));

  prepare(true);
  ASSERT_TRUE(runUntil(main, [&] { return inhibitors() == 0; }));
  // The slot reached the database on the way to sleep.
  const auto stored = store->history()->loadDay(day)[slot];
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->count, 3);
  EXPECT_TRUE(defaults->has("qel.sleepStart"));

  prepare(false);
  ASSERT_TRUE(runUntil(main, [&] { return inhibitors() == 1; }));  // held again for the next sleep
  ASSERT_FALSE(store->dayView().marks.empty());
  EXPECT_EQ(store->dayView().marks.back().kind, "wake");
}
