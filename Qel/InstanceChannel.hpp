#pragma once
// How a second start of the program reaches the first: a local socket next to the instance
// lock, on which the second writes one request line and waits for "ok". Only the instance that
// holds the lock listens, so it may remove a socket file a crashed instance left behind.
#include <QLocalServer>
#include <QObject>
#include <QString>

#include <chrono>
#include <optional>
#include <string_view>

namespace qel {

enum class InstanceRequest {
  show,    // bring the main window forward
  replay,  // replay the last sixty seconds
};

std::string_view requestWord(InstanceRequest request);
// The request of one line (without its newline); none for anything else.
std::optional<InstanceRequest> parseInstanceRequest(std::string_view line);

// The socket beside the instance lock.
QString instanceSocketPath();

class InstanceServer : public QObject {
  Q_OBJECT

 public:
  explicit InstanceServer(QObject* parent = nullptr);

  // Starts listening at `path` (replacing a stale socket there); false when it can't.
  bool listen(const QString& path);
  QString errorString() const { return server_.errorString(); }

 signals:
  void requested(qel::InstanceRequest request);

 private:
  void accept();

  QLocalServer server_;
};

// Hands `request` to the instance listening at `path`, retrying the connection for up to
// `patience` (the first instance may still be starting). True once it answered "ok".
bool sendToRunningInstance(InstanceRequest request, const QString& path,
                           std::chrono::milliseconds patience = std::chrono::seconds(5));

}  // namespace qel
