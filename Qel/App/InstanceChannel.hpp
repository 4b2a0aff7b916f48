#pragma once
// How a second start of the program reaches the first: a local socket, on which the second
// writes one request line and waits for "ok". The instance that holds the lock listens beside
// it, or in the runtime folder when it can't (a folder it may not write, a path too long for a
// socket), and notes in the lock file where; the second start reads it there. Only the holder
// listens at those places, so it may remove a socket file a crashed instance left behind.
#include <QLocalServer>
#include <QObject>
#include <QString>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace qel {

enum class InstanceRequest {
  show,    // bring the main window forward
  replay,  // replay the last sixty seconds
};

std::string_view requestWord(InstanceRequest request);
// The request of one line (without its newline); none for anything else.
std::optional<InstanceRequest> parseInstanceRequest(std::string_view line);

class InstanceLock;

// Where the holder of the lock at `lockFile` may listen, best first: beside the lock, then in
// the runtime folder under a name of the lock's own.
std::vector<QString> instanceSocketPaths(const std::filesystem::path& lockFile);

class InstanceServer : public QObject {
  Q_OBJECT

 public:
  explicit InstanceServer(QObject* parent = nullptr);

  // Starts listening at `path` (replacing a stale socket there); false when it can't.
  bool listen(const QString& path);
  // Listens at the first of instanceSocketPaths() of the held `lock` that works, and notes it
  // in the lock file; false when none does.
  bool listen(InstanceLock& lock);
  // Why the last listen failed: each place tried, and what went wrong there.
  QString errorString() const { return error_.isEmpty() ? server_.errorString() : error_; }

 signals:
  void requested(qel::InstanceRequest request);

 private:
  void accept();

  QLocalServer server_;
  QString error_;
};

// Hands `request` to the instance that holds the lock at `lockFile`, where its note says it
// listens (beside the lock while there is no note), retrying for up to `patience`: the first
// instance may still be starting. True once it answered "ok".
bool sendToRunningInstance(InstanceRequest request, const std::filesystem::path& lockFile,
                           std::chrono::milliseconds patience = std::chrono::seconds(5));

}  // namespace qel
