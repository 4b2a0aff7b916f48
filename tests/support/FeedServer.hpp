#pragma once
// A feed's web server for the updater's tests, on this thread's event loop.
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

namespace qel::test {

// Serves one fixed reply to every request, as a feed's web server would.
class FeedServer : public QObject {
 public:
  // `headers`: more header lines, each ending in CRLF (a Content-Encoding, say).
  explicit FeedServer(QByteArray body, QByteArray status = "200 OK", QByteArray headers = {})
      : body_(std::move(body)), status_(std::move(status)), headers_(std::move(headers)) {
    server_.listen(QHostAddress::LocalHost);
    connect(&server_, &QTcpServer::newConnection, this, [this] {
      while (QTcpSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
          request_ += socket->readAll();
          if (!request_.contains("\r\n\r\n")) return;
          ++served;
          socket->write("HTTP/1.1 " + status_ + "\r\nContent-Type: application/rss+xml\r\nContent-Length: " +
                        QByteArray::number(body_.size()) + "\r\n" + headers_ + "Connection: close\r\n\r\n" + body_);
          socket->disconnectFromHost();
          request_.clear();
        });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
      }
    });
  }
  void setBody(QByteArray body) { body_ = std::move(body); }
  QUrl url() const { return QUrl(QStringLiteral("http://127.0.0.1:%1/feed.xml").arg(server_.serverPort())); }
  int served = 0;

 private:
  QTcpServer server_;
  QByteArray body_, status_, headers_, request_;
};

inline QByteArray feed(const QByteArray& items) {
  return R"(<?xml version="1.0" encoding="utf-8"?>
<rss version="2.0" xmlns:u="http://example.org/update-feed">
<channel><title>Qel</title><link>https://example.org/</link>)" +
         items + "</channel></rss>";
}

inline QByteArray item(const char* version, const char* channel = nullptr, const char* link = "https://example.org/get") {
  QByteArray out = "<item><title>Qel</title><u:version>" + QByteArray(version) + "</u:version><u:shortVersionString>" +
                   QByteArray(version) + "</u:shortVersionString>";
  if (channel) out += "<u:channel>" + QByteArray(channel) + "</u:channel>";
  if (link) out += "<link>" + QByteArray(link) + "</link>";
  return out + "<u:releaseNotesLink>https://example.org/notes</u:releaseNotesLink></item>";
}

}  // namespace qel::test
