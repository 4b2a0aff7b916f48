#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QThread>

#include <future>

#include "Qel/App/InstanceChannel.hpp"
#include "Qel/Platform/Files/InstanceLock.hpp"
#include "tests/support/TempDir.hpp"

using namespace qel;

namespace {

// Runs the event loop until `future` is ready, for at most thirty seconds.
template <class T>
T await(std::future<T>& future) {
  for (int i = 0; i < 6000 && future.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready; ++i) {
    QApplication::processEvents(QEventLoop::AllEvents, 5);
    QThread::msleep(5);
  }
  return future.get();
}

}  // namespace

TEST(InstanceChannel, requestsAreExactWords) {
  EXPECT_EQ(parseInstanceRequest("show"), InstanceRequest::show);
  EXPECT_EQ(parseInstanceRequest("replay"), InstanceRequest::replay);
  EXPECT_EQ(parseInstanceRequest("replay\r"), InstanceRequest::replay);
  for (const char* bad : {"", "Replay", "replay now", " show", "quit", "replay\n"})
    EXPECT_EQ(parseInstanceRequest(bad), std::nullopt) << bad;
}

TEST(InstanceChannel, secondStartReachesTheFirstWhereItsLockSays) {
  test::TempDir dir;
  InstanceLock lock(dir / "qel.lock");
  ASSERT_TRUE(lock.acquired());
  const QString path = QString::fromStdString((dir / "qel.socket").string());
  {
    QFile stale(path);  // a crashed instance's leftover
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
  }
  InstanceServer server;
  ASSERT_TRUE(server.listen(lock)) << server.errorString().toStdString();
  EXPECT_EQ(InstanceLock::note(lock.path()), path.toStdString() + "\n");
  std::vector<InstanceRequest> heard;
  QObject::connect(&server, &InstanceServer::requested, [&](InstanceRequest r) { heard.push_back(r); });

  for (auto request : {InstanceRequest::replay, InstanceRequest::show}) {
    auto sent = std::async(std::launch::async, [&] { return sendToRunningInstance(request, lock.path()); });
    EXPECT_TRUE(await(sent));
  }
  EXPECT_EQ(heard, (std::vector<InstanceRequest>{InstanceRequest::replay, InstanceRequest::show}));

  // Nobody listening: it gives up after its patience.
  EXPECT_FALSE(sendToRunningInstance(InstanceRequest::show, dir / "none" / "qel.lock", std::chrono::milliseconds(200)));
}
