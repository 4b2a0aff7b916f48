#include "Qel/App/InstanceChannel.hpp"

#include <QElapsedTimer>
#include <QLocalSocket>
#include <QPointer>
#include <QStringList>
#include <QThread>
#include <QTimer>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "Qel/Platform/Files/InstanceLock.hpp"

namespace qel {

namespace {

constexpr qint64 kMaxLine = 64;        // a request is one short word; more is not a request
constexpr int kClientTimeoutMs = 2000;  // a client that says nothing is let go

QString besideLock(const std::filesystem::path& lockFile) {
  return QString::fromStdString((lockFile.parent_path() / "qel.socket").string());
}

}  // namespace

std::string_view requestWord(InstanceRequest request) {
  switch (request) {
    case InstanceRequest::show: return "show";
    case InstanceRequest::replay: return "replay";
  }
  return "show";
}

std::optional<InstanceRequest> parseInstanceRequest(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  for (auto r : {InstanceRequest::show, InstanceRequest::replay})
    if (line == requestWord(r)) return r;
  return std::nullopt;
}

std::vector<QString> instanceSocketPaths(const std::filesystem::path& lockFile) {
  std::vector<QString> paths{besideLock(lockFile)};
  if (const auto run = InstanceLock::runtimeFolder()) {
    // Named after the lock, so instances of other data folders keep sockets of their own.
    std::uint64_t hash = 14695981039346656037ull;
    for (const unsigned char c : lockFile.string()) hash = (hash ^ c) * 1099511628211ull;
    char name[40];
    std::snprintf(name, sizeof name, "qel-%016llx.socket", static_cast<unsigned long long>(hash));
    const QString path = QString::fromStdString((*run / name).string());
    if (path != paths.front()) paths.push_back(path);
  }
  return paths;
}

InstanceServer::InstanceServer(QObject* parent) : QObject(parent) {
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  connect(&server_, &QLocalServer::newConnection, this, &InstanceServer::accept);
}

bool InstanceServer::listen(const QString& path) {
  error_.clear();
  // Only the lock holder gets here, so a socket file at `path` is a dead instance's.
  QLocalServer::removeServer(path);
  return server_.listen(path);
}

bool InstanceServer::listen(InstanceLock& lock) {
  QStringList failures;
  for (const QString& path : instanceSocketPaths(lock.path())) {
    if (!listen(path)) {
      failures << path + ": " + server_.errorString();
      continue;
    }
    if (lock.setNote(path.toStdString() + '\n')) return true;
    const int why = errno;
    // Without a note a second start looks beside the lock, so there an empty one will do.
    if (path == besideLock(lock.path()) && InstanceLock::note(lock.path()).empty()) return true;
    server_.close();
    failures << QString::fromStdString("can't note " + path.toStdString() + " in " + lock.path().string() + ": " +
                                       std::strerror(why));
  }
  error_ = failures.join("; ");
  return false;
}

void InstanceServer::accept() {
  while (QLocalSocket* socket = server_.nextPendingConnection()) {
    QPointer<QLocalSocket> guard(socket);
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    QTimer::singleShot(kClientTimeoutMs, socket, [guard] {
      if (guard) guard->abort();
    });
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
      if (!socket->canReadLine()) {
        if (socket->bytesAvailable() > kMaxLine) socket->abort();
        return;
      }
      disconnect(socket, &QLocalSocket::readyRead, this, nullptr);  // one request per connection
      const QByteArray line = socket->readLine(kMaxLine + 1).trimmed();
      const auto request = parseInstanceRequest(std::string_view(line.constData(), std::size_t(line.size())));
      socket->write(request ? "ok\n" : "unknown\n");
      socket->flush();
      socket->disconnectFromServer();
      if (request) emit requested(*request);
    });
  }
}

bool sendToRunningInstance(InstanceRequest request, const std::filesystem::path& lockFile,
                           std::chrono::milliseconds patience) {
  QElapsedTimer waited;
  waited.start();
  for (;;) {
    const std::string note = InstanceLock::note(lockFile);
    const QString noted = QString::fromStdString(note.substr(0, note.find('\n')));
    QLocalSocket socket;
    socket.connectToServer(noted.startsWith(u'/') ? noted : besideLock(lockFile));
    if (socket.waitForConnected(1000)) {
      const QByteArray line = QByteArray(requestWord(request).data(), qsizetype(requestWord(request).size())) + '\n';
      socket.write(line);
      if (!socket.waitForBytesWritten(kClientTimeoutMs)) return false;
      while (!socket.canReadLine() && socket.waitForReadyRead(kClientTimeoutMs)) {}
      return socket.readLine(kMaxLine).trimmed() == "ok";
    }
    if (waited.elapsed() >= patience.count()) return false;
    QThread::msleep(100);
  }
}

}  // namespace qel
