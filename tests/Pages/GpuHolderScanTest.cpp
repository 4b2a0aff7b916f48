// Reading who holds the graphics device open on a worker, paced, with answers on the main thread.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <atomic>
#include <mutex>
#include <set>

#include "Qel/Pages/GpuHolderScan.hpp"

using namespace qel;

namespace {

struct Reads {
  std::mutex mutex;
  std::multiset<std::int32_t> pids;
  std::set<Qt::HANDLE> threads;
};

GpuHolderScan::Reader recorder(Reads& reads) {
  return [&reads](std::int32_t pid) -> std::optional<bool> {
    std::lock_guard lock(reads.mutex);
    reads.pids.insert(pid);
    reads.threads.insert(QThread::currentThreadId());
    if (pid == 3) return std::nullopt;  // another user's
    return pid == 1;
  };
}

bool waitUntilIdle(const GpuHolderScan& scan) {
  QElapsedTimer waited;
  waited.start();
  while (scan.scanning() && waited.elapsed() < 5000) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  return !scan.scanning();
}

}  // namespace

TEST(GpuHolderScan, readsOnAWorkerAndAnswersOnTheMainThreadAtMostOnceAnInterval) {
  Reads reads;
  GpuHolderScan scan(recorder(reads), std::chrono::hours(1));
  int changes = 0;
  QObject::connect(&scan, &GpuHolderScan::changed, [&] { ++changes; });

  EXPECT_EQ(scan.answer(1), std::nullopt);  // not read yet: the same as unreadable
  scan.request({1, 2, 3});
  scan.request({1, 2, 3});  // one scan at a time
  ASSERT_TRUE(waitUntilIdle(scan));
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(scan.answer(1), true);
  EXPECT_EQ(scan.answer(2), false);
  EXPECT_EQ(scan.answer(3), std::nullopt);
  EXPECT_EQ(reads.pids, (std::multiset<std::int32_t>{1, 2, 3}));
  EXPECT_FALSE(reads.threads.contains(QThread::currentThreadId()));

  // Within the interval the same pids are not read again ...
  scan.request({1, 2, 3});
  EXPECT_FALSE(scan.scanning());
  // ... but a new candidate is, at once; pids no longer asked for are forgotten.
  scan.request({1, 4});
  ASSERT_TRUE(waitUntilIdle(scan));
  EXPECT_EQ(reads.pids.count(4), 1u);
  EXPECT_EQ(scan.answer(4), false);
  EXPECT_EQ(scan.answer(2), std::nullopt);
  EXPECT_EQ(changes, 2);
}

TEST(GpuHolderScan, readsAgainOnceTheIntervalHasPassedAndSaysNothingWhenNothingChanged) {
  Reads reads;
  GpuHolderScan scan(recorder(reads), std::chrono::milliseconds(0));
  int changes = 0;
  QObject::connect(&scan, &GpuHolderScan::changed, [&] { ++changes; });
  scan.request({1});
  ASSERT_TRUE(waitUntilIdle(scan));
  scan.request({1});
  ASSERT_TRUE(waitUntilIdle(scan));
  EXPECT_EQ(reads.pids.count(1), 2u);
  EXPECT_EQ(changes, 1);
}

TEST(GpuHolderScan, goingWhileAScanRunsNeitherCrashesNorDeliversLate) {
  std::atomic<int> started{0};
  {
    GpuHolderScan scan(
        [&](std::int32_t) -> std::optional<bool> {
          ++started;
          QThread::msleep(50);
          return true;
        },
        std::chrono::seconds(5));
    scan.request({1, 2});
  }
  QCoreApplication::processEvents();
  EXPECT_EQ(started.load(), 2);
}
