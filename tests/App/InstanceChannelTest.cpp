#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QThread>

#include <sys/resource.h>

#include <csignal>
#include <cstring>
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

namespace {

// Runs `work` with no file allowed to grow, as on a full disk: writing the note fails.
template <class F>
auto withFilesHeldAtNoSize(F work) {
  rlimit was{};
  getrlimit(RLIMIT_FSIZE, &was);
  rlimit none = was;
  none.rlim_cur = 0;
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &none);
  auto result = work();
  setrlimit(RLIMIT_FSIZE, &was);
  std::signal(SIGXFSZ, oldHandler);
  return result;
}

}  // namespace

TEST(InstanceChannel, aNoteThatCantBeWrittenLeavesTheInstanceReachableBesideItsLockOrSaysWhy) {
  test::TempDir dir;
  {
    InstanceLock lock(dir / "qel.lock");
    InstanceServer server;
    ASSERT_TRUE(withFilesHeldAtNoSize([&] { return server.listen(lock); })) << server.errorString().toStdString();
    EXPECT_EQ(InstanceLock::note(lock.path()), "");  // a second start looks beside the lock without one
    auto sent = std::async(std::launch::async, [&] { return sendToRunningInstance(InstanceRequest::show, lock.path()); });
    EXPECT_TRUE(await(sent));
  }

  // Beside a lock too deep for a socket's path only the runtime folder is left, and only a
  // note tells a second start to look there.
  const auto deep = dir / std::string(120, 'd');
  std::filesystem::create_directories(deep);
  const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
  qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(dir.path().string()));
  InstanceLock lock(deep / "qel.lock");
  InstanceServer server;
  const bool listening = withFilesHeldAtNoSize([&] { return server.listen(lock); });
  if (runtime.isNull()) qunsetenv("XDG_RUNTIME_DIR");
  else qputenv("XDG_RUNTIME_DIR", runtime);
  EXPECT_FALSE(listening);
  const std::string why = server.errorString().toStdString();
  EXPECT_NE(why.find(lock.path().string()), std::string::npos) << why;
  EXPECT_NE(why.find(std::strerror(EFBIG)), std::string::npos) << why;
}
