#include <fstream>

#include "tests/Store/StoreHarness.hpp"

using namespace qel;
using namespace qel::test;
using namespace std::chrono_literals;

TEST_F(StoreTest, slowTicksAreTheFirstAndEveryTenthAfter) {
  makeStore();
  store->start();  // the first sample is taken during start-up
  ASSERT_TRUE(runUntil(main, [&] { return store->liveReadings().tick == 1; }));
  EXPECT_EQ(script.slowReads, 1);
  EXPECT_EQ(store->liveReadings().battery.percent, 80);
  EXPECT_EQ(store->liveReadings().diskFree, 400u);
  for (int t = 2; t <= 11; ++t) tick();
  EXPECT_EQ(script.slowReads, 2);  // ticks 1 and 11
  for (const auto* h : {&store->liveReadings().cpuHist, &store->liveReadings().memHist, &store->liveReadings().diskHist,
                        &store->liveReadings().powerHist})
    EXPECT_EQ(h->size(), 60u);
  EXPECT_DOUBLE_EQ(store->liveReadings().cpuHist.back(), 0.25);
  EXPECT_DOUBLE_EQ(store->liveReadings().memHist.back(), 0.5);
  EXPECT_DOUBLE_EQ(store->liveReadings().diskHist.back(), 30);
  EXPECT_DOUBLE_EQ(store->liveReadings().powerHist.back(), 12.5);
}

TEST_F(StoreTest, everySixtiethTickSavesTheDay) {
  makeStore();
  store->start();
  ASSERT_TRUE(runUntil(main, [&] { return store->liveReadings().tick == 1; }));
  for (int t = 2; t <= 59; ++t) tick();
  const int slot = store->nowSlot();
  EXPECT_FALSE(store->history()->loadDay(store->todayKey())[std::size_t(slot)]);
  tick();  // tick 60
  const auto stored = store->history()->loadDay(store->todayKey())[std::size_t(slot)];
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->count, store->dayView().day[std::size_t(slot)]->count);
}

TEST_F(StoreTest, networkPageReadsPortsAtOnceThenEveryFiveTicks) {
  makeStore();
  store->start();
  ASSERT_TRUE(runUntil(main, [&] { return store->liveReadings().tick == 1; }));
  tick();
  EXPECT_EQ(script.portReads, 0);
  store->setPage(Page::net);
  tick();
  ASSERT_TRUE(runUntil(main, [&] { return script.portReads == 1; }));
  for (int i = 0; i < 4; ++i) tick();
  settle();
  EXPECT_EQ(script.portReads, 1);
  tick();
  ASSERT_TRUE(runUntil(main, [&] { return script.portReads == 2; }));
  store->setPage(Page::cpu);
  for (int i = 0; i < 6; ++i) tick();
  {
    std::lock_guard l(script.m);
    script.ports = std::vector<PortEntry>{{.port = 631, .proto = "TCP", .pid = 10, .command = "alpha"}};
  }
  store->setPage(Page::net);
  tick();
  ASSERT_TRUE(runUntil(main, [&] { return script.portReads == 3; }));
  // Counted is not yet published: a refresh asked for before that would be dropped as busy.
  ASSERT_TRUE(runUntil(main, [&] { return store->processList().ports.size() == 1; }));
  // A listing that can't be run publishes nothing and says so.
  {
    std::lock_guard l(script.m);
    script.ports.reset();
  }
  store->refreshPorts(1500ms);
  clock.advance(1500ms);
  ASSERT_TRUE(runUntil(main, [&] { return !store->processList().portsAvailable; }));
  EXPECT_TRUE(store->processList().ports.empty());
}

TEST_F(StoreTest, gpuPageAsksWhoHoldsTheDeviceOnlyWhileItShowsAndTheGpuWorks) {
  std::atomic<int> asked{0};
  configure = [&](StoreServices& s) {
    s.holdsGpu = [&](std::int32_t pid) -> std::optional<bool> {
      ++asked;
      if (pid == 13) return std::nullopt;  // another user's
      return pid == 10;
    };
  };
  {
    std::lock_guard l(script.m);
    script.gpu = GPUSample{.util = 0.5};
    script.procs = {{.pid = 10, .name = "game", .energy = 5},
                    {.pid = 11, .name = "idle", .energy = 0},
                    {.pid = 12, .name = "kworker", .isSystem = true, .energy = 5}};
  }
  makeStore();
  store->start();
  ASSERT_TRUE(runUntil(main, [&] { return store->liveReadings().tick == 1; }));
  tick();
  settle();
  EXPECT_EQ(asked, 0);
  store->setPage(Page::gpu);
  tick();
  ASSERT_TRUE(runUntil(main, [&] { return store->processList().gpuHolders.size() == 1; }));
  EXPECT_EQ(store->processList().gpuHolders.at(10), true);  // only the user's process that spends energy
  for (int i = 0; i < 3; ++i) tick();
  settle();
  EXPECT_EQ(asked, 1);
  // A new candidate is asked about at the next tick, and what can't be read stays unknown.
  {
    std::lock_guard l(script.m);
    script.procs.push_back({.pid = 13, .name = "render", .energy = 2});
  }
  tick();
  tick();
  ASSERT_TRUE(runUntil(main, [&] { return store->processList().gpuHolders.size() == 2; }));
  EXPECT_EQ(store->processList().gpuHolders.at(13), std::nullopt);
  const int before = asked;
  // Elsewhere, or with the GPU idle, nobody is asked.
  store->setPage(Page::cpu);
  {
    std::lock_guard l(script.m);
    script.gpu = GPUSample{.util = 0.01};
  }
  for (int i = 0; i < 6; ++i) tick();
  store->setPage(Page::gpu);
  for (int i = 0; i < 6; ++i) tick();
  settle();
  EXPECT_EQ(asked, before);
}

TEST_F(StoreTest, slowBluetoothReadDelaysTheNextUntilItFinishes) {
  makeStore();
  script.bluetoothGate.close();
  store->start();
  ASSERT_TRUE(runUntil(main, [&] { return store->liveReadings().tick == 1; }));
  ASSERT_TRUE(runUntil(main, [&] { return script.bluetoothGate.waiting() == 1; }));
  for (int i = 0; i < 14; ++i) tick();
  EXPECT_EQ(script.bluetoothGate.waiting(), 1);  // still the first read, none queued behind it
  {
    std::lock_guard l(script.m);
    script.devices = {{.id = "a", .name = "Buds", .percent = 70}};
  }
  script.bluetoothGate.open();
  ASSERT_TRUE(runUntil(main, [&] { return store->liveReadings().bluetooth.size() == 1; }));
  tick();  // the first tick after it finished starts the next read
  ASSERT_TRUE(runUntil(main, [&] { return script.bluetoothReads == 2; }));
}

TEST_F(StoreTest, aFailedTrafficReadKeepsTheLastAndAnEmptyOneIsAReading) {
  makeStore();
  const auto readAgain = [&] {
    const int reads = script.trafficReads;
    ASSERT_TRUE(runUntil(main, [&] {
      store->sampleOnce();
      return script.trafficReads > reads + 1;
    }));
    tick();
  };
  // No connection of the user's own from the start: per-app traffic is there, and shows none.
  store->start();
  ASSERT_TRUE(runUntil(main, [&] { return store->processList().netPerApp; }));
  {
    std::lock_guard l(script.m);
    script.traffic = std::map<std::int32_t, NetUse>{{10, NetUse{.down = 500, .up = 5, .total = 9000}}};
  }
  readAgain();
  ASSERT_TRUE(store->proc(10));
  EXPECT_EQ(store->proc(10)->netDown, 500);
  EXPECT_EQ(store->proc(10)->netTotal, 9000u);
  {
    std::lock_guard l(script.m);
    script.traffic = std::nullopt;  // the reader failed
  }
  readAgain();
  EXPECT_EQ(store->proc(10)->netDown, 500);
  EXPECT_FALSE(store->proc(99));
  {
    std::lock_guard l(script.m);
    script.traffic = std::map<std::int32_t, NetUse>{};  // the connection closed
  }
  readAgain();
  EXPECT_EQ(store->proc(10)->netDown, 0);
  EXPECT_EQ(store->proc(10)->netTotal, 0u);
  EXPECT_TRUE(store->processList().netPerApp);
}

TEST_F(StoreTest, selectionLosesProcessesThatQuit) {
  makeStore();
  store->start();
  ASSERT_TRUE(runUntil(main, [&] { return store->liveReadings().tick == 1; }));
  store->setSelection({10, 11});
  {
    std::lock_guard l(script.m);
    script.procs.pop_back();  // beta quits
  }
  tick();
  EXPECT_EQ(store->processList().selection, (std::set<std::int32_t>{10}));
}

TEST_F(StoreTest, aProcessNothingNamesIsCalledByItsPid) {
  makeStore();
  {
    std::lock_guard l(script.m);
    script.procs.push_back({.pid = 77, .name = ""});
  }
  store->start();
  ASSERT_TRUE(runUntil(main, [&] { return store->liveReadings().tick == 1; }));
  ASSERT_TRUE(store->proc(77).has_value());
  EXPECT_EQ(store->proc(77)->name, "Process 77");
}

TEST_F(StoreTest, selectionFollowsTheProcessNotItsPid) {
  makeStore();
  {
    std::lock_guard l(script.m);
    script.procs[0].startTime = 500;
    script.procs[1].startTime = 600;
  }
  store->start();
  ASSERT_TRUE(runUntil(main, [&] { return store->liveReadings().tick == 1; }));
  store->setSelection({10, 11});
  {
    std::lock_guard l(script.m);
    std::swap(script.procs[0], script.procs[1]);  // the order changes; the processes are the same
  }
  tick();
  tick();
  EXPECT_EQ(store->processList().selection, (std::set<std::int32_t>{10, 11}));
  {
    std::lock_guard l(script.m);
    script.procs[0].startTime = 9000;  // beta ended and a newcomer got its pid
  }
  tick();
  EXPECT_EQ(store->processList().selection, (std::set<std::int32_t>{10}));
}

TEST_F(StoreTest, tickWithoutCpuSampleStillAdvancesTheHistories) {
  makeStore();
  store->start();
  ASSERT_TRUE(runUntil(main, [&] { return store->liveReadings().tick == 1; }));
  tick();
  const int slot = store->nowSlot();
  const int count = store->dayView().day[std::size_t(slot)]->count;
  {
    std::lock_guard l(script.m);
    script.cpu.push_back(std::nullopt);
  }
  tick();
  EXPECT_DOUBLE_EQ(store->liveReadings().cpuHist.back(), 0.25);  // repeats the last total
  EXPECT_DOUBLE_EQ(store->liveReadings().cpuHist[58], 0.25);
  EXPECT_EQ(store->dayView().day[std::size_t(slot)]->count, count);  // not recorded
}

TEST_F(StoreTest, blockedReaderLeavesNoBacklog) {
  makeStore();
  store->start();
  ASSERT_TRUE(runUntil(main, [&] { return store->liveReadings().tick == 1; }));
  script.systemGate.close();
  clock.advance(1s);
  store->sampleOnce();  // tick 2 starts and blocks
  ASSERT_TRUE(runUntil(main, [&] { return script.systemGate.waiting() == 1; }));
  for (int i = 0; i < 5; ++i) {
    clock.advance(1s);
    store->sampleOnce();  // skipped: the last sampling still runs
  }
  script.systemGate.open();
  ASSERT_TRUE(runUntil(main, [&] { return store->liveReadings().tick == 2; }));
  settle();
  EXPECT_EQ(store->liveReadings().tick, 2);
  EXPECT_EQ(script.samples, 2);
  tick();
  EXPECT_EQ(store->liveReadings().tick, 3);
}

TEST_F(StoreTest, tickingByItselfGoesOnAloneWithEveryReaderAndLeavesNoBacklog) {
  makeStore();
  store->start();
  ASSERT_TRUE(runUntil(main, [&] { return store->liveReadings().tick == 1; }));
  store->tickEvery(5ms);
  ASSERT_TRUE(runUntil(main, [&] { return store->liveReadings().tick >= 12; }));
  // The readers besides the sampling still run, each at its own pace, and the per-app traffic
  // comes with the samples.
  EXPECT_GE(script.bluetoothReads, 2);
  EXPECT_TRUE(store->processList().netPerApp);
  EXPECT_GE(script.trafficReads, 10);

  // A main thread busy elsewhere for many ticks finds one sample waiting, not one for each.
  std::this_thread::sleep_for(30ms);
  const int samples = script.samples;
  std::this_thread::sleep_for(100ms);
  EXPECT_LE(script.samples, samples + 1);
  const int before = store->liveReadings().tick;
  main.runUntilIdle();
  EXPECT_LE(store->liveReadings().tick, before + 1);
  ASSERT_TRUE(runUntil(main, [&] { return store->liveReadings().tick >= before + 3; }));
}

TEST_F(StoreTest, changesReachSubscribersOncePerTurn) {
  makeStore(false);
  int told = 0;
  const auto subscription = store->notice().subscribe([&] { ++told; });
  store->setQuery("a");
  store->setPage(Page::mem);
  store->setSort(SortKey::mem);
  main.runUntilIdle();
  EXPECT_EQ(told, 1);
  store->setPage(Page::mem);  // unchanged: nothing to tell
  main.runUntilIdle();
  EXPECT_EQ(told, 1);

  // A tick wakes what it changed, not the sheets, the settings or a stretch not being marked.
  int live = 0, quiet = 0;
  const auto readings = store->changes(Concern::live | Concern::processes).subscribe([&] { ++live; });
  const auto rest =
      store->changes(Concern::navigation | Concern::settings | Concern::stretches).subscribe([&] { ++quiet; });
  tick();
  settle();
  EXPECT_GE(live, 1);
  EXPECT_EQ(quiet, 0);
  store->setPage(Page::cpu);
  main.runUntilIdle();
  EXPECT_EQ(quiet, 1);
  // A stretch being marked changes every second.
  store->startStretch();
  tick();
  settle();
  EXPECT_GE(quiet, 2);
}

TEST_F(StoreTest, aStartNoticeGoesToStderrAndItsToastWaitsForAViewOnScreen) {
  std::filesystem::create_directories(dir / "data");
  std::ofstream(dir / "data" / "history.sqlite") << "not a database, and long enough to be looked at as one";
  configure = [](StoreServices& s) { s.toastsWaitToBeSeen = true; };
  testing::internal::CaptureStderr();
  makeStore();
  ASSERT_TRUE(runUntil(main, [&] { return store->navigation().toast.has_value(); }));
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_NE(said.find("qel: The history file could not be used. It was kept as"), std::string::npos) << said;
  const auto notice = store->navigation().toast;

  clock.advance(10s);  // no window on screen: the notice stays up
  main.runUntilIdle();
  EXPECT_EQ(store->navigation().toast, notice);
  int window = 0, panel = 0;
  store->setToastViewer(&window, true);
  store->setToastViewer(&panel, true);
  store->setToastViewer(&panel, false);
  clock.advance(2100ms);
  main.runUntilIdle();
  EXPECT_EQ(store->navigation().toast, notice);
  clock.advance(200ms);  // 2.2 s after the window came
  main.runUntilIdle();
  EXPECT_FALSE(store->navigation().toast);
  // While a view is on screen a toast has its usual time.
  store->show("seen");
  clock.advance(2200ms);
  main.runUntilIdle();
  EXPECT_FALSE(store->navigation().toast);
}

TEST_F(StoreTest, toastClearsOnlyItsOwnText) {
  makeStore(false);
  store->show("first");
  clock.advance(1s);
  store->show("second");
  clock.advance(1300ms);  // the first's deadline: it finds another text
  main.runUntilIdle();
  EXPECT_EQ(store->navigation().toast, "second");
  clock.advance(900ms);
  main.runUntilIdle();
  EXPECT_FALSE(store->navigation().toast);
  store->show("same");
  clock.advance(1s);
  store->show("same");
  clock.advance(1200ms);  // 2.2 s after the first call
  main.runUntilIdle();
  EXPECT_FALSE(store->navigation().toast);
}
