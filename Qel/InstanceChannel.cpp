#include "Qel/InstanceChannel.hpp"

#include <QElapsedTimer>
#include <QLocalSocket>
#include <QPointer>
#include <QThread>
#include <QTimer>

#include "Qel/Platform/InstanceLock.hpp"

namespace qel {

namespace {

constexpr qint64 kMaxLine = 64;        // a request is one short word; more is not a request
constexpr int kClientTimeoutMs = 2000;  // a client that says nothing is let go

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

QString instanceSocketPath() {
  return QString::fromStdString((InstanceLock::standardPath().parent_path() / "qel.socket").string());
}

InstanceServer::InstanceServer(QObject* parent) : QObject(parent) {
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  connect(&server_, &QLocalServer::newConnection, this, &InstanceServer::accept);
}

bool InstanceServer::listen(const QString& path) {
  // Only the lock holder gets here, so a socket file at `path` is a dead instance's.
  QLocalServer::removeServer(path);
  return server_.listen(path);
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

bool sendToRunningInstance(InstanceRequest request, const QString& path, std::chrono::milliseconds patience) {
  QElapsedTimer waited;
  waited.start();
  for (;;) {
    QLocalSocket socket;
    socket.connectToServer(path);
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
