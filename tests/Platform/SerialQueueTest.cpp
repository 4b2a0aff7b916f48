#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "Qel/Platform/Runtime/Executor.hpp"
#include "Qel/Platform/Runtime/SerialQueue.hpp"

using namespace qel;
using namespace std::chrono_literals;

TEST(SerialQueue, runsInOrderAndSyncSeesEarlierWork) {
  SerialQueue q("qel.test");
  std::vector<int> seen;
  for (int i = 0; i < 100; ++i) q.async([&, i] { seen.push_back(i); });
  const auto size = q.sync([&] { return seen.size(); });
  EXPECT_EQ(size, 100u);
  for (int i = 0; i < 100; ++i) EXPECT_EQ(seen[i], i);
  // Nested sync on the queue itself runs inline instead of deadlocking.
  EXPECT_EQ(q.sync([&] { return q.sync([] { return 7; }); }), 7);
}

TEST(SerialQueue, stopRunsQueuedWorkAndInterruptsSleep) {
  std::atomic<int> ran{0};
  std::atomic<bool> sleptFully{true};
  const auto start = std::chrono::steady_clock::now();
  {
    SerialQueue q("qel.test");
    q.async([&] { sleptFully = q.sleep(30s); });
    q.async([&] { ++ran; });
    std::this_thread::sleep_for(20ms);
  }  // destructor stops and joins
  EXPECT_FALSE(sleptFully);
  EXPECT_EQ(ran, 1);
  EXPECT_LT(std::chrono::steady_clock::now() - start, 10s);
}

TEST(SerialQueue, syncAndDrainAfterStopDoNotWait) {
  SerialQueue q("qel.test");
  q.stop();
  EXPECT_EQ(q.sync([] { return 3; }), 3);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_TRUE(q.drain(60s));  // nothing is left to run
  EXPECT_LT(std::chrono::steady_clock::now() - start, 10s);
}

TEST(ManualExecutor, runsDelayedWorkWhenTheClockReachesIt) {
  FakeClock clock;
  ManualExecutor main(clock);
  std::vector<std::string> log;
  main.postAfter(1500ms, [&] { log.push_back("late"); });
  main.post([&] {
    log.push_back("now");
    main.post([&] { log.push_back("chained"); });
  });
  EXPECT_EQ(main.runUntilIdle(), 2);
  EXPECT_EQ(log, (std::vector<std::string>{"now", "chained"}));
  clock.advance(1499ms);
  EXPECT_EQ(main.runUntilIdle(), 0);
  clock.advance(1ms);
  EXPECT_EQ(main.runUntilIdle(), 1);
  EXPECT_EQ(log.back(), "late");
}
