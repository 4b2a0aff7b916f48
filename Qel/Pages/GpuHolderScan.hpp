#pragma once
// Who holds the graphics device open, read off the main thread: listing every candidate's
// /proc/[pid]/fd takes long enough on a busy machine to stall a frame, and the answer changes
// rarely. The page asks for the pids it needs on each refresh; at most one scan runs at a time
// and a new one starts only when the last is `interval` old. Answers arrive on the thread that
// made the scan, which then calls `changed`.
#include <QElapsedTimer>
#include <QObject>

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <unordered_map>
#include <vector>

#include "Qel/Platform/SerialQueue.hpp"

namespace qel {

class GpuHolderScan : public QObject {
  Q_OBJECT

 public:
  // Whether one process holds the device open; absent when that can't be read.
  using Reader = std::function<std::optional<bool>(std::int32_t pid)>;

  GpuHolderScan(Reader read, std::chrono::milliseconds interval, QObject* parent = nullptr);
  ~GpuHolderScan() override;

  // The last answer for `pid`; absent until it has been read, or when it couldn't be.
  std::optional<bool> answer(std::int32_t pid) const;

  // Starts a scan of `pids` unless one runs or the last started less than `interval` ago; a pid
  // not answered yet starts one at once, so a new candidate waits no longer than one scan.
  void request(const std::vector<std::int32_t>& pids);

  bool scanning() const { return scanning_; }

 signals:
  void changed();

 private:
  using Answers = std::unordered_map<std::int32_t, std::optional<bool>>;
  void finish(Answers answers);

  Reader read_;
  std::chrono::milliseconds interval_;
  Answers answers_;
  QElapsedTimer since_;
  bool scanning_ = false;
  SerialQueue queue_{"qel.gpuholders"};  // last: its worker stops before the fields above go
};

}  // namespace qel
